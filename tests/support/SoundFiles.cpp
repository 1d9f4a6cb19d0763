#include "SoundFiles.h"

#include <QFile>
#include <sndfile.h>
#include <algorithm>
#include <vector>

SoundFile readSoundFile(const QString &path)
{
    SF_INFO info{};
    SNDFILE *file = sf_open(QFile::encodeName(path).constData(), SFM_READ, &info);
    if (!file)
        return {};
    std::vector<float> block(size_t(info.channels) * 4096);
    qint64 frames = 0;
    for (sf_count_t n; (n = sf_readf_float(file, block.data(), 4096)) > 0;)
        frames += n;
    sf_close(file);
    return {info.format, info.samplerate, info.channels, frames};
}

bool writeSoundFile(const QString &path, int format, int rate, const std::vector<float> &stereo, qint64 loopStart,
                    qint64 loopEnd)
{
    SF_INFO info{};
    info.samplerate = rate;
    info.channels = 2;
    info.format = format;
    SNDFILE *file = sf_open(QFile::encodeName(path).constData(), SFM_WRITE, &info);
    if (!file)
        return false;
    if (loopEnd > 0) {
        SF_INSTRUMENT instrument{};
        instrument.basenote = 60;
        instrument.velocity_hi = instrument.key_hi = 127;
        instrument.loop_count = 1;
        instrument.loops[0] = {SF_LOOP_FORWARD, uint32_t(loopStart), uint32_t(loopEnd), 0};
        sf_command(file, SFC_SET_INSTRUMENT, &instrument, sizeof instrument);
    }
    const sf_count_t frames = sf_count_t(stereo.size() / 2);
    const bool written = sf_writef_float(file, stereo.data(), frames) == frames;
    return sf_close(file) == 0 && written;
}

std::vector<float> readStereo(const QString &path)
{
    SF_INFO info{};
    SNDFILE *file = sf_open(QFile::encodeName(path).constData(), SFM_READ, &info);
    if (!file)
        return {};
    std::vector<float> stereo(info.channels == 2 ? size_t(2 * info.frames) : 0);
    stereo.resize(size_t(2 * std::max<sf_count_t>(0, sf_readf_float(file, stereo.data(), info.frames))));
    sf_close(file);
    return stereo;
}

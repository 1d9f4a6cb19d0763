#include "SoundFiles.h"

#include <QFile>
#include <sndfile.h>
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

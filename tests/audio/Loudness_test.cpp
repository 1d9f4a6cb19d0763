// Loudness of exported sound: the meter against the reference levels, the
// export's figures against libebur128 reading the file back, normalising,
// and no sample at full scale.
#include "SoundProbe.h"

#include "audio/AudioExport.h"
#include "audio/LoudnessMeter.h"
#include "audio/SessionSynth.h"
#include "core/session/SessionRows.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <cmath>
#include <ebur128.h>
#include <sndfile.h>
#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace {
// What libebur128 reads in a 16-bit stereo file, and its largest sample.
struct FileLoudness
{
    Loudness loudness;
    int largestSample = 0;
};

FileLoudness readLoudness(const QString &path)
{
    SF_INFO info{};
    SNDFILE *file = sf_open(QFile::encodeName(path).constData(), SFM_READ, &info);
    EXPECT_TRUE(file) << sf_strerror(nullptr);
    FileLoudness read;
    if (!file)
        return read;
    ebur128_state *state = ebur128_init(2, static_cast<unsigned long>(info.samplerate),
                                        EBUR128_MODE_I | EBUR128_MODE_TRUE_PEAK);
    std::vector<short> block(2 * 4096);
    sf_count_t frames;
    while ((frames = sf_readf_short(file, block.data(), 4096)) > 0) {
        ebur128_add_frames_short(state, block.data(), size_t(frames));
        for (sf_count_t i = 0; i < 2 * frames; ++i)
            read.largestSample = std::max(read.largestSample, std::abs(int(block[size_t(i)])));
    }
    sf_close(file);
    ebur128_loudness_global(state, &read.loudness.integrated);
    double left = 0, right = 0;
    ebur128_true_peak(state, 0, &left);
    ebur128_true_peak(state, 1, &right);
    read.loudness.truePeak = 20 * std::log10(std::max(left, right));
    ebur128_destroy(&state);
    return read;
}
} // namespace

TEST(Loudness, TheMeterReadsReferenceSinesAtTheirLevel)
{
    // A stereo sine at L dBFS on each channel reads L LUFS, its true peak L dBTP.
    const struct
    {
        double hertz;
        double dbfs;
        int rate;
    } cases[] = {{997, -23, 48000}, {1000, -33, 48000}, {1000, -23, 44100}, {997, -6, 44100}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.dbfs);
        LoudnessMeter meter(c.rate);
        const double amplitude = std::pow(10.0, c.dbfs / 20);
        std::vector<float> stereo(size_t(2 * 20 * c.rate));
        for (size_t i = 0; i < stereo.size() / 2; ++i)
            stereo[2 * i] = stereo[2 * i + 1] = float(amplitude * std::sin(2 * M_PI * c.hertz * double(i) / c.rate));
        meter.add(stereo.data(), qint64(stereo.size() / 2));
        EXPECT_NEAR(meter.loudness().integrated, c.dbfs, 0.1);
        EXPECT_NEAR(meter.loudness().truePeak, c.dbfs, 0.1);
    }
}

TEST(Loudness, ExportsTellWhatTheFileHoldsAndMeetTheTargetUnderTheCeiling)
{
    // Every segment at full volume: the loudest sound a session makes.
    const SessionGrid loudest = soundSession({
        {PulsedSession, {{TimeRow, "0:04.0"}, {ToneRow, "PCh"}, {PitchRow, "960"}, {ChordRow, "5"}, {StartFreqRow, "0"}, {VolumeRow, "100"}}},
        {PulsedSession, {{TimeRow, "0:04.0"}, {ToneRow, "PCh"}, {PitchRow, "427"}, {ChordRow, "9"}, {DutyCycleRow, "99"}, {VolumeRow, "100"}}},
        {PulsedSession, {{TimeRow, "0:04.0"}, {ToneRow, "bb"}, {PitchRow, "960"}, {VolumeRow, "100"}}},
    });
    const struct
    {
        const char *name;
        SessionGrid cells;
        std::optional<double> target;
        bool reachable; // the ceiling lets the target be met
    } cases[] = {
        {"1 kHz tone", soundSession({{PulsedSession, {{TimeRow, "0:10.0"}, {ToneRow, "bb"}, {PitchRow, "1000"}, {StartFreqRow, "0"}, {VolumeRow, "100"}}}}), {}, false},
        {"pulses", soundSession({{PulsedSession, {{TimeRow, "0:10.0"}, {ToneRow, "PFr"}, {PitchRow, "240"}, {VolumeRow, "40"}}}}), {}, false},
        {"dual", soundSession({{DualBinauralSession, {{TimeRow, "0:10.0"}, {ToneRow, "dbb"}, {VolumeRow, "70"}}}}), {}, false},
        {"1 kHz tone to -23", soundSession({{PulsedSession, {{TimeRow, "0:10.0"}, {ToneRow, "bb"}, {PitchRow, "1000"}, {StartFreqRow, "0"}, {VolumeRow, "100"}}}}), -23.0, true},
        {"quiet pulses to -16", soundSession({{PulsedSession, {{TimeRow, "0:10.0"}, {ToneRow, "PSu"}, {PitchRow, "240"}, {VolumeRow, "5"}}}}), -16.0, true},
        {"loudest", loudest, {}, false},
        {"loudest to -10", loudest, -10.0, true},
        {"loudest to 0", loudest, 0.0, false},
    };
    QTemporaryDir folder;
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = folder.filePath(u"tone.wav"_s);
        SessionSynth synth(c.cells, 44100);
        const AudioExportResult result = exportAudio(synth, path, AudioFileType::Wav, {}, {true, c.target});
        ASSERT_EQ(result.outcome, AudioExportResult::Written) << result.error.toStdString();
        const FileLoudness file = readLoudness(path);
        EXPECT_NEAR(result.loudness.integrated, file.loudness.integrated, 0.1);
        EXPECT_NEAR(result.loudness.truePeak, file.loudness.truePeak, 0.1);
        EXPECT_LT(file.largestSample, 32767);
        if (c.target) {
            EXPECT_LE(file.loudness.truePeak, Loudness::TruePeakCeiling);
            if (c.reachable) {
                EXPECT_NEAR(file.loudness.integrated, *c.target, 0.5);
            } else {
                EXPECT_NEAR(file.loudness.truePeak, Loudness::TruePeakCeiling, 0.1);
            }
        }
    }
}

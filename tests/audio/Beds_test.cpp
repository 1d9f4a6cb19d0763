// Beds under the session, measured on exported files.
#include "SoundProbe.h"

#include "audio/AudioExport.h"
#include "audio/SessionSynth.h"
#include "SoundFiles.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <cmath>
#include <sndfile.h>
#include <sys/stat.h>

using namespace Qt::Literals::StringLiterals;

namespace {
constexpr int Rate = 44100;
const int Wav16 = SF_FORMAT_WAV | SF_FORMAT_PCM_16;

// Tones at volume 0: what is heard is the beds alone.
SessionGrid quietSeconds(const char *time)
{
    return soundSession({{PulsedSession, {{TimeRow, time}, {ToneRow, "bb"}, {VolumeRow, "0"}}}});
}

std::vector<float> sine(int rate, double seconds, double hertz, double amplitude)
{
    std::vector<float> stereo(size_t(2 * std::llround(seconds * rate)));
    for (size_t i = 0; i < stereo.size() / 2; ++i)
        stereo[2 * i] = stereo[2 * i + 1] = float(amplitude * std::sin(2 * M_PI * hertz * double(i) / rate));
    return stereo;
}

// The session with the beds, exported to a WAV file and read back as its left ear.
std::vector<float> exportedLeft(const SessionGrid &cells, const BedList &beds, const QString &path)
{
    SessionSynth synth(cells, Rate);
    synth.setBeds(beds);
    const AudioExportResult result = exportAudio(synth, path, AudioFileType::Wav);
    EXPECT_EQ(result.outcome, AudioExportResult::Written) << result.error.toStdString();
    const std::vector<float> stereo = readStereo(path);
    std::vector<float> left(stereo.size() / 2);
    for (size_t i = 0; i < left.size(); ++i)
        left[i] = stereo[2 * i];
    return left;
}

double largestStep(const std::vector<float> &samples, size_t from, size_t to)
{
    double largest = 0;
    for (size_t i = from + 1; i < to; ++i)
        largest = std::max(largest, double(std::abs(samples[i] - samples[i - 1])));
    return largest;
}

Bed fileBed(const QString &path, double gain, bool loop = false)
{
    Bed bed;
    bed.path = path;
    bed.gain = gain;
    bed.loop = loop;
    return bed;
}
} // namespace

TEST(Beds, AFileIsExportedAtItsGainInEveryFormat)
{
    const struct
    {
        const char *file;
        int format;
        int rate;
        double gain;
    } cases[] = {{"a.wav", Wav16, Rate, 0},
                 {"b.wav", SF_FORMAT_WAV | SF_FORMAT_FLOAT, 48000, -6},
                 {"c.flac", SF_FORMAT_FLAC | SF_FORMAT_PCM_16, Rate, 3},
                 {"d.ogg", SF_FORMAT_OGG | SF_FORMAT_VORBIS, Rate, -12},
                 {"e.mp3", SF_FORMAT_MPEG | SF_FORMAT_MPEG_LAYER_III, Rate, -3}};
    QTemporaryDir folder;
    for (const auto &c : cases) {
        SCOPED_TRACE(c.file);
        const QString path = folder.filePath(QString::fromLatin1(c.file));
        const double amplitude = 0.25;
        ASSERT_TRUE(writeSoundFile(path, c.format, c.rate, sine(c.rate, 4, 1000, amplitude)));
        const std::vector<float> left = exportedLeft(quietSeconds("0:03.0"), {fileBed(path, c.gain)},
                                                     folder.filePath(u"out.wav"_s));
        const double heard = strength(left, Rate, 1, 2.5, 1000);
        EXPECT_NEAR(20 * std::log10(heard / amplitude), c.gain, 0.3);
    }
}

TEST(Beds, ALoopedFileAddsNoStepLargerThanItsOwn)
{
    // 441 Hz fills one second with whole periods: sample for sample, the
    // seam is any other step, up to two 16-bit steps for the rounding of the
    // decoded sound kept and of the export. 0.7 s ends mid-period, which
    // only the crossfade smooths: its slope adds a trace.
    const struct
    {
        const char *name;
        double seconds;
        double crossfadeMs;
        double scale;
        double allowance;
    } cases[] = {{"cut to loop", 1.0, 0, 1, 2.0 / 32767}, {"crossfaded", 0.7, 50, 1.01, 0}};
    QTemporaryDir folder;
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = folder.filePath(u"loop.wav"_s);
        const std::vector<float> file = sine(Rate, c.seconds, 441, 0.5);
        ASSERT_TRUE(writeSoundFile(path, SF_FORMAT_WAV | SF_FORMAT_FLOAT, Rate, file));
        std::vector<float> fileLeft(file.size() / 2);
        for (size_t i = 0; i < fileLeft.size(); ++i)
            fileLeft[i] = file[2 * i];
        Bed bed = fileBed(path, 0, true);
        bed.crossfade = c.crossfadeMs;
        const std::vector<float> left = exportedLeft(quietSeconds("0:05.0"), {bed}, folder.filePath(u"out.wav"_s));
        ASSERT_EQ(left.size(), size_t(5 * Rate));
        // Past the session's own fade-in and before its fade-out.
        EXPECT_LE(largestStep(left, 1000, left.size() - 1000),
                  c.scale * largestStep(fileLeft, 0, fileLeft.size()) + c.allowance);
        EXPECT_NEAR(rms(left, Rate, 4, 4.9), 0.5 / std::sqrt(2), 0.02);
    }
}

TEST(Beds, TheLoopInTheFilesMetadataIsPlayedAndWhatFollowsItNever)
{
    // A 1 kHz lead-in, the loop of 441 Hz whole periods, then a loud tail.
    std::vector<float> file = sine(Rate, 0.5, 1000, 0.3);
    const qint64 loopStart = qint64(file.size() / 2);
    const std::vector<float> loop = sine(Rate, 1, 441, 0.3);
    file.insert(file.end(), loop.begin(), loop.end());
    const qint64 loopEnd = qint64(file.size() / 2);
    file.insert(file.end(), size_t(2 * Rate), 0.9f);
    QTemporaryDir folder;
    const QString path = folder.filePath(u"marked.wav"_s);
    ASSERT_TRUE(writeSoundFile(path, Wav16, Rate, file, loopStart, loopEnd));
    const std::vector<float> left =
        exportedLeft(quietSeconds("0:06.0"), {fileBed(path, 0, true)}, folder.filePath(u"out.wav"_s));
    EXPECT_GT(strength(left, Rate, 0.1, 0.4, 1000), 0.25);
    EXPECT_GT(strength(left, Rate, 3, 5, 441), 0.25);
    float loudest = 0;
    for (float sample : left)
        loudest = std::max(loudest, std::abs(sample));
    EXPECT_LT(loudest, 0.31f);
}

TEST(Beds, StartFadesAndEndShapeTheBed)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(u"two.wav"_s);
    ASSERT_TRUE(writeSoundFile(path, Wav16, Rate, sine(Rate, 2, 1000, 0.5)));
    Bed bed = fileBed(path, 0);
    bed.start = 1;
    bed.fadeIn = 0.5;
    bed.fadeOut = 0.5;
    const std::vector<float> left = exportedLeft(quietSeconds("0:04.0"), {bed}, folder.filePath(u"out.wav"_s));
    const struct
    {
        double from, to, level;
    } stretches[] = {{0.05, 0.95, 0}, {1.2, 1.3, 0.5 * 0.5}, {1.6, 2.4, 0.5}, {2.7, 2.8, 0.5 * 0.5}, {3.05, 3.95, 0}};
    for (const auto &s : stretches) {
        SCOPED_TRACE(s.from);
        EXPECT_NEAR(strength(left, Rate, s.from, s.to, 1000), s.level, 0.02);
    }
}

TEST(Beds, AMissingFileOrAPipeIsSilenceAndNoiseBedsHaveTheirLevel)
{
    QTemporaryDir folder;
    const QString pipe = folder.filePath(u"pipe.wav"_s);
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    Bed noise;
    noise.kind = Bed::PinkNoise;
    noise.gain = -30;
    const std::vector<float> left = exportedLeft(
        quietSeconds("0:04.0"), {fileBed(folder.filePath(u"gone.wav"_s), 0), fileBed(pipe, 0), noise}, folder.filePath(u"out.wav"_s));
    ASSERT_EQ(left.size(), size_t(4 * Rate));
    EXPECT_NEAR(20 * std::log10(rms(left, Rate, 0.5, 3.5)), -30, 0.5);
}

TEST(Beds, ARewoundSessionSoundsTheSameAgain)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(u"m.wav"_s);
    ASSERT_TRUE(writeSoundFile(path, Wav16, 22050, sine(22050, 0.3, 700, 0.4)));
    Bed noise;
    noise.kind = Bed::BrownNoise;
    noise.gain = -40;
    Bed looped = fileBed(path, -3, true);
    looped.crossfade = 20;
    SessionSynth synth(quietSeconds("0:02.0"), Rate);
    synth.setBeds({looped, noise});
    std::vector<float> first(size_t(4 * Rate));
    std::vector<float> second(first.size());
    synth.render(first.data(), qint64(first.size() / 2));
    synth.rewind();
    synth.render(second.data(), qint64(second.size() / 2));
    EXPECT_EQ(first, second);
}

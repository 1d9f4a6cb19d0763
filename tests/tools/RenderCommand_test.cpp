// mirandel-cli render, run as a separate program.
#include "CliProcess.h"
#include "SmallDisk.h"
#include "SoundFiles.h"

#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sndfile.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

namespace {
const QString Described = testDataPath(u"described.LSS"_s); // 6:30, from segment 2 6:00

mode_t modeOf(const QString &path)
{
    struct stat status;
    return ::stat(QFile::encodeName(path).constData(), &status) == 0 ? status.st_mode & 07777 : 0;
}
} // namespace

TEST(RenderCommand, WritesThePlayedLengthInTheFormatOfTheExtension)
{
    const struct
    {
        const char *out;
        QStringList options;
        SoundFile sound;
    } cases[] = {
        {"all.wav", {u"--rate"_s, u"8000"_s}, {SF_FORMAT_WAV | SF_FORMAT_PCM_16, 8000, 2, 390 * 8000}},
        {"from2.wav", {u"--from"_s, u"2"_s, u"--rate"_s, u"11025"_s}, {SF_FORMAT_WAV | SF_FORMAT_PCM_16, 11025, 2, 360 * 11025}},
        {"cut.flac", {u"--seconds"_s, u"12.25"_s}, {SF_FORMAT_FLAC | SF_FORMAT_PCM_16, 44100, 2, 540225}},
        {"cut.ogg", {u"--seconds"_s, u"2.00001"_s, u"--from"_s, u"3"_s, u"--rate"_s, u"22050"_s},
         {SF_FORMAT_OGG | SF_FORMAT_VORBIS, 22050, 2, 44100}},
        {"longer cut.wav", {u"--seconds"_s, u"1000"_s, u"--rate"_s, u"8000"_s}, {SF_FORMAT_WAV | SF_FORMAT_PCM_16, 8000, 2, 390 * 8000}},
    };
    QTemporaryDir folder;
    for (const auto &c : cases) {
        SCOPED_TRACE(c.out);
        const QString out = folder.filePath(QString::fromLatin1(c.out));
        const CliRun run = runCli(QStringList{u"render"_s, Described, u"-o"_s, out} + c.options);
        EXPECT_EQ(run.exitCode, 0) << run.err;
        EXPECT_TRUE(run.out.isEmpty());
        const SoundFile sound = readSoundFile(out);
        EXPECT_EQ(sound.format, c.sound.format);
        EXPECT_EQ(sound.rate, c.sound.rate);
        EXPECT_EQ(sound.channels, 2);
        EXPECT_EQ(sound.frames, c.sound.frames);
    }
}

TEST(RenderCommand, FailuresAndWrongUsageLeaveOutAsItWas)
{
    QTemporaryDir folder;
    const QString out = folder.filePath(u"old.wav"_s);
    const QString missing = folder.filePath(u"missing.LSS"_s);
    QTemporaryDir fifoFolder;
    const QString fifo = fifoFolder.filePath(u"fifo.wav"_s);
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const struct
    {
        const char *name;
        QStringList arguments;
        int exitCode;
        QString err; // its first line
    } cases[] = {
        {"missing file", {missing, u"-o"_s, out}, 1,
         u"Cannot open file \"%1\". No such file or directory"_s.arg(missing)},
        {"no such segment", {Described, u"-o"_s, out, u"--from"_s, u"4"_s}, 1,
         u"mirandel-cli: the session has no segment 4 (it has 3)"_s},
        {"unwritable folder", {Described, u"-o"_s, folder.filePath(u"no folder/x.wav"_s)}, 1,
         u"Cannot write \"%1\": "_s.arg(folder.filePath(u"no folder/x.wav"_s))},
        {"a FIFO", {Described, u"-o"_s, fifo}, 1,
         u"Cannot write \"%1\": It is neither a regular file nor a character device."_s.arg(fifo)},
        {"unknown extension", {Described, u"-o"_s, folder.filePath(u"old.aiff"_s)}, 2, u"usage: mirandel-cli render"_s},
        {"no output", {Described}, 2, u"usage: mirandel-cli render"_s},
        {"rate too low", {Described, u"-o"_s, out, u"--rate"_s, u"100"_s}, 2, u"usage: mirandel-cli render"_s},
        {"segment 0", {Described, u"-o"_s, out, u"--from"_s, u"0"_s}, 2, u"usage: mirandel-cli render"_s},
        {"no seconds", {Described, u"-o"_s, out, u"--seconds"_s, u"0"_s}, 2, u"usage: mirandel-cli render"_s},
        {"two files", {Described, Described, u"-o"_s, out}, 2, u"usage: mirandel-cli render"_s},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        writeFileBytes(out, "keep me");
        const CliRun run = runCli(QStringList{u"render"_s} + c.arguments);
        EXPECT_EQ(run.exitCode, c.exitCode);
        EXPECT_TRUE(run.out.isEmpty());
        EXPECT_TRUE(run.errLines().value(0).startsWith(c.err)) << run.err;
        EXPECT_EQ(readFileBytes(out), "keep me");
        EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{u"old.wav"_s});
    }
}

TEST(RenderCommand, ALinkIsFollowedAndANewFileHasTheModeTheUmaskLeaves)
{
    QTemporaryDir folder;
    const QString target = folder.filePath(u"target.wav"_s);
    const QString link = folder.filePath(u"link.wav"_s);
    const QString fresh = folder.filePath(u"new.wav"_s);
    writeFileBytes(target, "old");
    ASSERT_EQ(::chmod(QFile::encodeName(target).constData(), 0600), 0);
    ASSERT_TRUE(QFile::link(target, link));
    const QStringList options{u"--seconds"_s, u"1"_s, u"--rate"_s, u"8000"_s};
    const mode_t umaskBefore = ::umask(027);
    const CliRun toLink = runCli(QStringList{u"render"_s, Described, u"-o"_s, link} + options);
    const CliRun toNew = runCli(QStringList{u"render"_s, Described, u"-o"_s, fresh} + options);
    ::umask(umaskBefore);
    EXPECT_EQ(toLink.exitCode, 0) << toLink.err;
    EXPECT_EQ(toNew.exitCode, 0) << toNew.err;
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(readSoundFile(target).frames, 8000);
    EXPECT_EQ(modeOf(target), 0600u);
    EXPECT_EQ(modeOf(fresh), 0640u);
}

TEST(RenderCommand, ASoundTheDiskMayNotHoldIsRefusedBeforeAByteIsWritten)
{
    if (::getuid() != 0)
        GTEST_SKIP() << "mounting a small tmpfs needs root";
    const struct
    {
        const char *out;
        bool written; // cut to 5 s; else 6:30 at 8000 Hz, 12.5 MB of samples
    } cases[] = {{"long.wav", false}, {"long.flac", false}, {"long.ogg", false}, {"short.flac", true}};
    SmallDisk disk("size=2m");
    ASSERT_TRUE(disk.mounted);
    for (const auto &c : cases) {
        SCOPED_TRACE(c.out);
        const QString out = disk.dir.filePath(QString::fromLatin1(c.out));
        const CliRun run = runCli({u"render"_s, Described, u"-o"_s, out, u"--rate"_s, u"8000"_s, u"--seconds"_s,
                                   c.written ? u"5"_s : u"1000"_s});
        EXPECT_EQ(run.exitCode, c.written ? 0 : 1);
        if (!c.written) {
            EXPECT_TRUE(run.err.startsWith(u"Cannot write \"%1\": the sound may take up to "_s.arg(out))) << run.err;
        }
        EXPECT_EQ(QFile::exists(out), c.written);
    }
}

TEST(RenderCommand, TellsTheLoudnessAndBringsItToATarget)
{
    const struct
    {
        QStringList options;
        int exitCode;
        double loudness; // LUFS on stderr, when written
    } cases[] = {
        {{}, 0, -10.4},
        {{u"--loudness"_s, u"-23"_s}, 0, -23.0},
        {{u"--loudness"_s, u"-30.5"_s}, 0, -30.5},
        {{u"--loudness"_s, u"1"_s}, 2, 0},
        {{u"--loudness"_s, u"loud"_s}, 2, 0},
    };
    QTemporaryDir folder;
    const QString out = folder.filePath(u"sound.wav"_s);
    const QRegularExpression figures(u"^(-\\d+\\.\\d) LUFS, peak -\\d+\\.\\d dBTP$"_s);
    for (const auto &c : cases) {
        SCOPED_TRACE(c.options.join(u' ').toStdString());
        const CliRun run = runCli(QStringList{u"render"_s, Described, u"-o"_s, out, u"--rate"_s, u"8000"_s} + c.options);
        EXPECT_EQ(run.exitCode, c.exitCode) << run.err;
        if (c.exitCode == 0) {
            const QRegularExpressionMatch match = figures.match(run.errLines().value(0));
            ASSERT_TRUE(match.hasMatch()) << run.err;
            EXPECT_NEAR(match.captured(1).toDouble(), c.loudness, 0.15);
        } else {
            EXPECT_TRUE(run.err.startsWith(u"usage: mirandel-cli render"_s)) << run.err;
        }
    }
}

TEST(RenderCommand, WritesMp3AtTheBitRateAndTheSessionsLength)
{
    const struct
    {
        const char *out;
        QStringList options;
        int rate;
        qint64 frames; // of the session; an MP3 frame either way
        int mp3Frame;
        int kbps;
    } cases[] = {
        {"cut.mp3", {u"--seconds"_s, u"20"_s, u"--bitrate"_s, u"96"_s, u"--noise"_s, u"pink:-20"_s}, 44100, 20 * 44100, 1152, 96},
        {"all.mp3", {u"--rate"_s, u"8000"_s, u"--bitrate"_s, u"32"_s}, 8000, 390 * 8000, 576, 32},
    };
    QTemporaryDir folder;
    for (const auto &c : cases) {
        SCOPED_TRACE(c.out);
        const QString out = folder.filePath(QString::fromLatin1(c.out));
        const CliRun run = runCli(QStringList{u"render"_s, Described, u"-o"_s, out} + c.options);
        ASSERT_EQ(run.exitCode, 0) << run.err;
        const SoundFile sound = readSoundFile(out);
        EXPECT_EQ(sound.format, SF_FORMAT_MPEG | SF_FORMAT_MPEG_LAYER_III);
        EXPECT_EQ(sound.rate, c.rate);
        EXPECT_NEAR(double(sound.frames), double(c.frames), c.mp3Frame);
        EXPECT_NEAR(double(QFileInfo(out).size()), c.kbps * 125.0 * double(c.frames) / c.rate, 0.02 * QFileInfo(out).size());
    }
}

TEST(RenderCommand, RefusedEncodingOptionsNameTheReason)
{
    const struct
    {
        const char *out;
        QStringList options;
        const char *reason;
    } cases[] = {
        {"x.flac", {u"--flac-level"_s, u"9"_s}, "--flac-level takes 0 to 8"},
        {"x.mp3", {u"--bitrate"_s, u"100"_s}, "--bitrate takes 32, 64"},
        {"x.wav", {u"--bitrate"_s, u"128"_s}, "--bitrate is for .mp3 files"},
        {"x.mp3", {u"--flac-level"_s, u"1"_s}, "--flac-level is for .flac files"},
        {"x.wav", {u"--noise"_s, u"pink:-19"_s}, "--noise takes white, pink or brown"},
    };
    QTemporaryDir folder;
    for (const auto &c : cases) {
        SCOPED_TRACE(c.reason);
        const QString out = folder.filePath(QString::fromLatin1(c.out));
        const CliRun run = runCli(QStringList{u"render"_s, Described, u"-o"_s, out} + c.options);
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_TRUE(run.errLines().value(1).startsWith(u"mirandel-cli: "_s + QString::fromLatin1(c.reason))) << run.err;
        EXPECT_FALSE(QFile::exists(out));
    }
}

TEST(RenderCommand, MixesTheBedsNamedAndThoseKeptWithTheSession)
{
    QTemporaryDir folder;
    const QString tone = folder.filePath(u"tone.wav"_s);
    std::vector<float> second(2 * 8000);
    for (size_t i = 0; i < second.size() / 2; ++i)
        second[2 * i] = second[2 * i + 1] = float(0.5 * std::sin(2 * M_PI * 1000 * double(i) / 8000));
    ASSERT_TRUE(writeSoundFile(tone, SF_FORMAT_WAV | SF_FORMAT_FLOAT, 8000, second));
    const QString session = folder.filePath(u"kept.LSS"_s);
    ASSERT_TRUE(QFile::copy(Described, session));
    writeFileBytes(session + u".beds"_s,
                   R"({"mirandel-beds": 1, "beds": [{"kind": "file", "file": "tone.wav", "gain": -6, "loop": true}]})");
    const auto render = [&](const QString &file, const QStringList &options) {
        const QString out = folder.filePath(u"out.wav"_s);
        const CliRun run = runCli(QStringList{u"render"_s, file, u"-o"_s, out, u"--rate"_s, u"8000"_s,
                                              u"--seconds"_s, u"20"_s} + options);
        EXPECT_EQ(run.exitCode, 0) << run.err;
        return readStereo(out);
    };
    const std::vector<float> plain = render(Described, {});
    const struct
    {
        const char *name;
        QString file;
        QStringList options;
        double rms; // of what the beds add
    } cases[] = {{"named", Described, {u"--bed"_s, tone + u":-6:loop"_s}, 0.25 / std::sqrt(2)},
                 {"kept", session, {}, 0.25 / std::sqrt(2)},
                 {"both", session, {u"--bed"_s, tone + u":-6:loop"_s}, 0.5 / std::sqrt(2)}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const std::vector<float> mixed = render(c.file, c.options);
        ASSERT_EQ(mixed.size(), plain.size());
        // Past the first second, whose fade the tones share.
        double sum = 0;
        const size_t from = 2 * 8000;
        for (size_t i = from; i < mixed.size(); ++i)
            sum += double(mixed[i] - plain[i]) * double(mixed[i] - plain[i]);
        const double rms = std::sqrt(sum / double(mixed.size() - from));
        EXPECT_NEAR(20 * std::log10(rms / c.rms), 0, 0.3);
    }
}

TEST(RenderCommand, AnUnreadableOrMalformedBedIsRefused)
{
    QTemporaryDir folder;
    const QString out = folder.filePath(u"out.wav"_s);
    const struct
    {
        const char *bed;
        int exitCode;
        const char *err;
    } cases[] = {{"missing.wav", 1, "mirandel-cli: cannot read the bed"},
                 {"x.wav:-200", 2, "usage: mirandel-cli render"},
                 {"x.wav:soft:loop", 2, "usage: mirandel-cli render"},
                 {"", 2, "usage: mirandel-cli render"}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.bed);
        const CliRun run = runCli({u"render"_s, Described, u"-o"_s, out, u"--bed"_s, QString::fromLatin1(c.bed)});
        EXPECT_EQ(run.exitCode, c.exitCode);
        EXPECT_TRUE(run.err.startsWith(QString::fromLatin1(c.err))) << run.err;
        EXPECT_FALSE(QFileInfo::exists(out));
    }
}

// mirandel-cli render, run as a separate program.
#include "CliProcess.h"
#include "SoundFiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sndfile.h>

using namespace Qt::Literals::StringLiterals;

namespace {
const QString Described = testDataPath(u"described.LSS"_s); // 6:30, from segment 2 6:00
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
        {"unknown extension", {Described, u"-o"_s, folder.filePath(u"old.mp3"_s)}, 2, u"usage: mirandel-cli render"_s},
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

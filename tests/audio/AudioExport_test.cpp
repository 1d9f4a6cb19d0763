// Sound files as a player reads them back, and exports that must not land.
#include "SoundProbe.h"

#include "audio/AudioExport.h"
#include "audio/SessionSynth.h"
#include "core/session/Session.h"
#include "SoundFiles.h"
#include "TestSupport.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <csignal>
#include <sndfile.h>
#include <sys/resource.h>

using namespace Qt::Literals::StringLiterals;

namespace {
SessionGrid threeSegments()
{
    return soundSession({{PulsedSession, {{1, "0:01.0"}, {2, "bb"}}},
                         {PulsedSession, {{1, "0:00.5"}, {2, "PFr"}}},
                         {PulsedSession, {{1, "0:02.0"}, {2, "PCh"}, {6, "3"}}}});
}

// Lowers the size a file may grow to while alive, as a full disk would.
struct FileSizeLimit
{
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit lower = saved;
        lower.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &lower);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &saved); }
    rlimit saved{};
};
} // namespace

TEST(AudioExport, FilesReadBackWithTheirFormatRateChannelsAndLength)
{
    const struct
    {
        const char *name;
        int format;
        int rate;
    } cases[] = {{"a.wav", SF_FORMAT_WAV | SF_FORMAT_PCM_16, 44100},
                 {"b.FLAC", SF_FORMAT_FLAC | SF_FORMAT_PCM_16, 22050},
                 {"c.ogg", SF_FORMAT_OGG | SF_FORMAT_VORBIS, 11025}};
    QTemporaryDir folder;
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = folder.filePath(QString::fromLatin1(c.name));
        SessionSynth synth(threeSegments(), c.rate);
        qint64 reported = 0;
        const AudioExportResult result = exportAudio(synth, path, *audioFileTypeOf(path), [&](qint64 done, qint64 total) {
            reported = done;
            return done <= total;
        });
        ASSERT_EQ(result.outcome, AudioExportResult::Written) << result.error;
        const SoundFile file = readSoundFile(path);
        EXPECT_EQ(file.format, c.format);
        EXPECT_EQ(file.rate, c.rate);
        EXPECT_EQ(file.channels, 2);
        EXPECT_EQ(file.frames, (7 * c.rate + 1) / 2);
        EXPECT_EQ(reported, file.frames);
    }
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden).size(), 3);
}

TEST(AudioExport, ACancelOrAFailureLeavesTheOldFileAndNoOther)
{
    const struct
    {
        const char *name;
        const char *file;
        bool cancel;
        rlim_t sizeLimit;
        AudioExportResult::Outcome outcome;
    } cases[] = {
        {"cancel", "x.wav", true, RLIM_INFINITY, AudioExportResult::Cancelled},
        {"disk full while writing", "x.wav", false, 64 * 1024, AudioExportResult::Failed},
        {"disk full in a FLAC file", "x.flac", false, 2 * 1024, AudioExportResult::Failed},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir folder;
        const QString path = folder.filePath(QString::fromLatin1(c.file));
        writeFileBytes(path, "an earlier export");
        SessionSynth synth(threeSegments(), 44100);
        AudioExportResult result;
        {
            const FileSizeLimit limit(c.sizeLimit);
            result = exportAudio(synth, path, *audioFileTypeOf(path), [&](qint64, qint64) { return !c.cancel; });
        }
        EXPECT_EQ(result.outcome, c.outcome);
        if (c.outcome == AudioExportResult::Failed) {
            EXPECT_TRUE(result.error.startsWith(u"Cannot write \"%1\": "_s.arg(path))) << result.error;
        }
        EXPECT_EQ(readFileBytes(path), "an earlier export");
        EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QString::fromLatin1(c.file)});
    }
}

TEST(AudioExport, AFolderThatCannotBeWrittenIsReported)
{
    SessionSynth synth(threeSegments(), 8000);
    const QString path = u"/nonexistent-folder/x.wav"_s;
    const AudioExportResult result = exportAudio(synth, path, AudioFileType::Wav);
    EXPECT_EQ(result.outcome, AudioExportResult::Failed);
    EXPECT_TRUE(result.error.startsWith(u"Cannot write \"/nonexistent-folder/x.wav\": "_s)) << result.error;
}

#include "RecordingView.h"
#include "ScriptedPrompter.h"
#include "SmallDisk.h"
#include "TestSupport.h"
#include "core/files/SessionFileReader.h"
#include "core/files/SessionFileWriter.h"
#include "core/session/NewSession.h"
#include "core/session/Session.h"
#include "core/session/SessionContext.h"
#include "core/session/SessionDocument.h"

#include "core/session/ValueLists.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

namespace {
QByteArray fileBytes(const QString &path)
{
    return readFileBytes(path);
}

QString at(const QStringList &list, int k)
{
    return list.at(k % list.size());
}

// A session whose segments step through every value of every list of the kind.
Session variedSession(SessionKind kind, int segments)
{
    const bool dual = kind == DualBinauralSession;
    Session session;
    session.name = dual ? u"Dual ÿ"_s : u"Pulsed"_s;
    session.kind = kind;
    session.descriptionLines = {u"first"_s, QString(), u"third; with ;"_s};
    session.cells.setColumnCount(segments);
    for (int k = 0; k < segments; ++k) {
        using namespace ValueLists;
        SessionGrid::Column column;
        column[0] = QString::number(k + 1);
        column[1] = at(TimeList, k);
        column[2] = at(dual ? DualToneList : PulsedToneList, k);
        column[3] = at(FreqList, k);
        column[4] = at(PitchList, k);
        column[5] = at(dual ? FreqList : TargetFreqList, k * 7);
        column[6] = dual ? at(Pitch2List, k) : (column[2] == u"PCh" ? at(ChordList, k) : QString());
        column[7] = at(dual ? DualPhaseList : PulsedPhaseList, k);
        column[8] = at(DutyList, k);
        column[9] = at(LevelList, k);
        column[10] = at(LevelList, k + 3);
        column[11] = at(VIRampList, k);
        column[12] = dual ? at(DbbRampList, k) : QString();
        column[13] = k % 5 == 0 ? u"2"_s : u"0"_s;
        column[14] = k % 5 <= 1 ? u"3"_s : u"0"_s;
        session.cells.setColumn(k, column);
    }
    return session;
}

Session newSession(SessionKind kind)
{
    Session session;
    session.name = u"unnamed"_s;
    session.kind = kind;
    session.cells.setColumn(0, newSessionColumn(kind));
    return session;
}
} // namespace

TEST(SessionFileWriter, NewSessionsAreWrittenByteExact)
{
    const struct
    {
        SessionKind kind;
        const char *fixture;
        int size;
    } cases[] = {{PulsedSession, "new_pulsed.LSS", 65}, {DualBinauralSession, "new_dual.LSS", 77}};
    for (const auto &c : cases) {
        const QByteArray bytes = sessionFileBytes(newSession(c.kind));
        EXPECT_EQ(bytes.size(), c.size) << c.fixture;
        EXPECT_EQ(bytes, fileBytes(testDataPath(QString::fromLatin1(c.fixture)))) << c.fixture;
    }
}

TEST(SessionFileWriter, SaveWritesTheFileAndClearsModified)
{
    QTemporaryDir dir;
    Session session = newSession(PulsedSession);
    session.fileName = dir.filePath(u"A.LSS"_s);
    ScriptedPrompter prompter;
    ASSERT_TRUE(writeSessionFile(session, prompter));
    EXPECT_EQ(fileBytes(session.fileName), fileBytes(testDataPath(u"new_pulsed.LSS"_s)));
    EXPECT_TRUE(prompter.log.isEmpty());
}

TEST(SessionFileWriter, ReadAndWrittenAgainGivesTheSameBytes)
{
    for (const char *fixture : {"new_pulsed.LSS", "new_dual.LSS", "described.LSS"}) {
        SessionDocument document;
        RecordingView view(document);
        const Session &session = document.session();
        ScriptedPrompter prompter;
        const QString path = testDataPath(QString::fromLatin1(fixture));
        ASSERT_TRUE(readSessionFile({document, prompter, view}, path));
        EXPECT_EQ(sessionFileBytes(session), fileBytes(path)) << fixture;
        EXPECT_TRUE(prompter.log.isEmpty()) << prompter.log.join(u'|');
    }
}

TEST(SessionFileWriter, SegmentFieldsFollowTheTone)
{
    const struct
    {
        const char *name;
        SessionGrid::Column column;
        QByteArray line;
    } cases[] = {
        {"target equal to start is left out",
         {u"9"_s, u"0:10.0"_s, u"PFr"_s, u"4.0"_s, u"240"_s, u"4.0"_s, u"5"_s, u"IN"_s, u"50"_s, u"100"_s, u"100"_s,
          u"seg"_s, u"ramp"_s, u"2"_s, u"3"_s},
         "1\t0:10.0\tPFr\t4.0\t240\t\t\tIN\t50\t100\t100\tseg\tnone\t\t2\t3\t"},
        {"PCh keeps its chord",
         {u"1"_s, u"0:10.0"_s, u"PCh"_s, u"4.0"_s, u"240"_s, u"5.0"_s, u"5"_s, u"IN"_s, u"50"_s, u"100"_s, u"100"_s,
          u"none"_s, QString(), u"0"_s, u"0"_s},
         "1\t0:10.0\tPCh\t4.0\t240\t5.0\t5\tIN\t50\t100\t100\tnone\tnone\t\t0\t0\t"},
        {"dual tone keeps equal frequencies, pitch 2 and ramp",
         {u"1"_s, u"0:10.0"_s, u"dSb"_s, u"4.0"_s, u"240"_s, u"4.0"_s, u"r-3"_s, u"ORL"_s, u"50"_s, u"100"_s,
          u"100"_s, u"none"_s, u"ramp"_s, u"0"_s, u"0"_s},
         "1\t0:10.0\tdSb\t4.0\t240\t4.0\tr-3\tORL\t50\t100\t100\tnone\tnone\tramp\t0\t0\t"},
    };
    for (const auto &c : cases) {
        Session session;
        session.name = u"n"_s;
        session.cells.setColumn(0, c.column);
        EXPECT_EQ(sessionFileBytes(session), ";n\r\n" + c.line + "\r\n") << c.name;
    }
}

TEST(SessionFileWriter, NameAndDescriptionStayOneLineEachInTheCodePage)
{
    Session session = newSession(PulsedSession);
    session.name = u"a\u4E00b\nc\U0001F600"_s;
    session.descriptionLines = {u"x\ry"_s, QString(), u"\u20AC\u00FF"_s};
    const QByteArray bytes = sessionFileBytes(session);
    EXPECT_TRUE(bytes.startsWith(";a?b c?\r\n"));
    EXPECT_TRUE(bytes.endsWith("\r\n;x y\r\n;\r\n;\x80\xFF\r\n"));
}

TEST(SessionFileWriter, RoundTripGivesTheSameCellsExceptTheDocumentedOnes)
{
    for (const SessionKind kind : {PulsedSession, DualBinauralSession}) {
        const Session written = variedSession(kind, 120);
        QTemporaryDir dir;
        Session saved = written;
        saved.fileName = dir.filePath(u"trip.LSS"_s);
        ScriptedPrompter prompter;
        ASSERT_TRUE(writeSessionFile(saved, prompter));
        SessionDocument document;
        RecordingView view(document);
        ASSERT_TRUE(readSessionFile({document, prompter, view}, saved.fileName));
        const Session &read = document.session();
        EXPECT_TRUE(prompter.log.isEmpty()) << prompter.log.join(u'|');
        EXPECT_EQ(read.name, written.name);
        EXPECT_EQ(read.descriptionLines, written.descriptionLines);
        EXPECT_EQ(read.kind, kind);
        ASSERT_EQ(read.cells.columnCount(), written.cells.columnCount());
        int emptiedTargets = 0;
        for (int k = 0; k < written.cells.columnCount(); ++k) {
            SessionGrid::Column expected = written.cells.column(k);
            if (kind == PulsedSession && expected[5] == expected[3]) {
                expected[5].clear();
                ++emptiedTargets;
            }
            EXPECT_EQ(read.cells.column(k), expected) << "segment " << k + 1;
        }
        if (kind == PulsedSession) {
            EXPECT_GT(emptiedTargets, 0);
        }
    }
}

TEST(SessionFileWriter, AFileThatCannotBeCreatedIsReported)
{
    Session session = newSession(PulsedSession);
    session.fileName = u"/nonexistent-folder/A.LSS"_s;
    ScriptedPrompter prompter;
    EXPECT_FALSE(writeSessionFile(session, prompter));
    ASSERT_EQ(prompter.errors.size(), 1);
    EXPECT_TRUE(prompter.errors.first().startsWith(u"Cannot create file \"/nonexistent-folder/A.LSS\". "_s))
        << prompter.errors.first();
}

TEST(SessionFileWriter, ASaveThatFailsPartWayKeepsTheOldFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"A.LSS"_s);
    writeFileBytes(path, readFileBytes(testDataPath(u"described.LSS"_s)));
    Session session = variedSession(PulsedSession, 1000);
    session.fileName = path;
    ScriptedPrompter prompter;

    // Files may grow to 4 KiB only, and exceeding it is an error rather than a signal.
    rlimit before{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &before), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limited = before;
    limited.rlim_cur = 4096;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limited), 0);
    const bool written = writeSessionFile(session, prompter);
    setrlimit(RLIMIT_FSIZE, &before);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_FALSE(written);
    EXPECT_EQ(prompter.errors, QStringList(u"Stream write error"_s));
    EXPECT_EQ(readFileBytes(path), readFileBytes(testDataPath(u"described.LSS"_s)));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList(u"A.LSS"_s));
}

TEST(SessionFileWriter, AFullDiskNeverCostsTheOldFile)
{
    if (::getuid() != 0)
        GTEST_SKIP() << "mounting a small tmpfs needs root";
    const QByteArray old = readFileBytes(testDataPath(u"described.LSS"_s));
    const struct
    {
        const char *name;
        const char *options; // nr_inodes=3: no room for a temporary file beside the old file and the filler
        bool full;
        int segments;
        bool saved;
        bool noTemporaryFile; // refused: in place, a crash could tear the old file
    } cases[] = {
        {"full disk", "size=64k", true, 1, false, false},
        {"no room for a temporary file", "size=64k,nr_inodes=3", false, 200, false, true},
        {"no room for a temporary file nor for the new text", "size=64k,nr_inodes=3", true, 200, false, true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        SmallDisk disk(c.options);
        ASSERT_TRUE(disk.mounted);
        const QString path = disk.dir.filePath(u"A.LSS"_s);
        writeFileBytes(path, old);
        ASSERT_TRUE(QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup));
        const QFile::Permissions permissions = QFile::permissions(path);
        disk.addFiller(c.full);
        Session session = variedSession(PulsedSession, c.segments);
        session.fileName = path;
        ScriptedPrompter prompter;

        EXPECT_EQ(writeSessionFile(session, prompter), c.saved);
        EXPECT_EQ(readFileBytes(path), c.saved ? sessionFileBytes(session) : old);
        const QString refusal = u"Cannot save \"%1\" safely: no temporary file can be made in the folder %2 (%3). "
                                u"Save it under another name with File > Save As."_s
                                    .arg(path, disk.dir.path(), u"No space left on device"_s);
        EXPECT_EQ(prompter.errors, c.saved ? QStringList()
                                           : QStringList(c.noTemporaryFile ? refusal : u"Stream write error"_s));
        EXPECT_EQ(QFile::permissions(path), permissions);
    }
}

TEST(SessionFileWriter, ADeviceIsWrittenNeverReplaced)
{
    Session session = newSession(PulsedSession);
    session.fileName = u"/dev/full"_s;
    ScriptedPrompter prompter;
    EXPECT_FALSE(writeSessionFile(session, prompter));
    EXPECT_EQ(prompter.errors, QStringList(u"Stream write error"_s));
    EXPECT_FALSE(QFileInfo(u"/dev/full"_s).isFile());
}

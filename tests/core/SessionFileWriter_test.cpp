#include "RecordingView.h"
#include "ScriptedPrompter.h"
#include "TestSupport.h"
#include "files/Opensess.h"
#include "files/SessionFileWriter.h"
#include "session/NewSession.h"
#include "session/Session.h"
#include "session/SessionContext.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {
QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path;
    return file.readAll();
}

Session newSession(int kind)
{
    Session session;
    session.SessionName = u"unnamed"_s;
    session.DualSession = kind;
    session.cells.setColumn(0, NewSessionColumn(kind));
    return session;
}
} // namespace

TEST(SessionFileWriter, NewSessionsAreWrittenByteExact)
{
    const struct
    {
        int kind;
        const char *fixture;
        int size;
    } cases[] = {{PulsedSession, "new_pulsed.LSS", 65}, {DualBinauralSession, "new_dual.LSS", 77}};
    for (const auto &c : cases) {
        const QByteArray bytes = SessionFileBytes(newSession(c.kind));
        EXPECT_EQ(bytes.size(), c.size) << c.fixture;
        EXPECT_EQ(bytes, fileBytes(testDataPath(QString::fromLatin1(c.fixture)))) << c.fixture;
    }
}

TEST(SessionFileWriter, SaveWritesTheFileAndClearsModified)
{
    QTemporaryDir dir;
    Session session = newSession(PulsedSession);
    session.SessionFileName = dir.filePath(u"A.LSS"_s);
    session.SessionModified = 1;
    ScriptedPrompter prompter;
    ASSERT_TRUE(WriteSessionFile(session, prompter));
    EXPECT_EQ(session.SessionModified, 0);
    EXPECT_EQ(fileBytes(session.SessionFileName), fileBytes(testDataPath(u"new_pulsed.LSS"_s)));
    EXPECT_TRUE(prompter.log.isEmpty());
}

TEST(SessionFileWriter, ReadAndWrittenAgainGivesTheSameBytes)
{
    for (const char *fixture : {"new_pulsed.LSS", "new_dual.LSS", "described.LSS"}) {
        Session session;
        RecordingView view;
        ScriptedPrompter prompter;
        const QString path = testDataPath(QString::fromLatin1(fixture));
        ASSERT_TRUE(Opensess({session, prompter, view}, path));
        EXPECT_EQ(SessionFileBytes(session), fileBytes(path)) << fixture;
        EXPECT_TRUE(prompter.log.isEmpty()) << prompter.log.join(u'|');
    }
}

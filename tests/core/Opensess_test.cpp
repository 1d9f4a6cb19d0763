#include "RecordingView.h"
#include "ScriptedPrompter.h"
#include "TestSupport.h"
#include "files/Opensess.h"
#include "session/Session.h"
#include "session/SessionContext.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

TEST(Opensess, ShowsTheSessionReadFromTheFile)
{
    Session session;
    session.SessionModified = 1;
    RecordingView view;
    ScriptedPrompter prompter;
    const QString path = testDataPath(u"described.LSS"_s);
    ASSERT_TRUE(Opensess({session, prompter, view}, path));

    EXPECT_EQ(session.SessionFileName, path);
    EXPECT_EQ(session.SessionName, u"Café € “Theta”"_s);
    EXPECT_EQ(session.DescriptionLines, QStringList({u"Line one äöü"_s, QString(), u"Line three"_s}));
    EXPECT_EQ(session.DualSession, PulsedSession);
    ASSERT_EQ(session.cells.columnCount(), 3);
    EXPECT_EQ(session.cells.cell(1, 0), u"2"_s);
    EXPECT_EQ(session.cells.cell(1, 6), u"3"_s);
    EXPECT_EQ(session.cells.cell(0, 5), u"4.0"_s);
    EXPECT_EQ(session.TimingPanel, QStringList({u"Segment 1 start time 0:0"_s, u"Session total time 6:30"_s}));
    EXPECT_EQ(session.SessionTotalSeconds, 390);
    EXPECT_TRUE(view.sessionShown);
    EXPECT_EQ(view.caption, u"Mirandel for Ambrion/Calidor - [Café € “Theta”]"_s);
    EXPECT_EQ(view.selected, (CellPos{0, 1}));
    EXPECT_EQ(session.CurrentCell, (CellPos{0, 1}));
    EXPECT_EQ(session.SessionModified, 0);
    EXPECT_TRUE(prompter.log.isEmpty());
}

TEST(Opensess, AFileThatCannotBeOpenedChangesNothing)
{
    Session session;
    session.SessionName = u"kept"_s;
    session.SessionModified = 1;
    RecordingView view;
    ScriptedPrompter prompter;
    const QString path = testDataPath(u"no such file.LSS"_s);
    EXPECT_FALSE(Opensess({session, prompter, view}, path));
    EXPECT_EQ(prompter.errors, QStringList(u"Cannot open file \"%1\". No such file or directory"_s.arg(path)));
    EXPECT_EQ(session.SessionName, u"kept"_s);
    EXPECT_EQ(session.SessionModified, 1);
    EXPECT_FALSE(view.sessionShown);
}

#include "RecordingView.h"
#include "ScriptedPrompter.h"
#include "TestSupport.h"
#include "core/session/NewSession.h"
#include "core/session/SessionContext.h"
#include "core/session/SessionDocument.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {
QStringList columnTexts(const Session &session, int column)
{
    QStringList texts;
    for (const QString &cell : session.cells.column(column))
        texts.append(cell);
    return texts;
}

const QStringList pulsedDefault = {u"1"_s,  u"1:00.0"_s, u"PFr"_s, u"7.83"_s, u"240"_s, QString(), QString(), u"IN"_s,
                                   u"50"_s, u"100"_s,    u"100"_s, u"none"_s, QString(), u"0"_s,   u"0"_s};
const QStringList dualDefault = {u"1"_s,  u"1:00.0"_s, u"dbb"_s, u"7.83"_s, u"240"_s,  u"15.0"_s, u"480"_s, u"IRH"_s,
                                 u"50"_s, u"100"_s,    u"100"_s, u"none"_s, u"jump"_s, u"0"_s,    u"0"_s};
} // namespace

TEST(NewSession, BothKindsStartWithTheirDefaultSegment)
{
    const struct
    {
        SessionKind kind;
        const QStringList *column;
        const char *label3;
        const char *label6;
    } cases[] = {{PulsedSession, &pulsedDefault, "Start Freq", "Chord"},
                 {DualBinauralSession, &dualDefault, "Freq 1", "Pitch 2"}};
    for (const auto &c : cases) {
        const SessionKind other = c.kind == PulsedSession ? DualBinauralSession : PulsedSession;
        Session session = sessionWithTimes(other, {"0:05.0", "0:07.0", "0:10.0"});
        session.name = u"old"_s;
        session.fileName = u"/tmp/old.LSS"_s;
        session.descriptionLines = QStringList{u"old text"_s};
        ScriptedPrompter prompter;
        SessionDocument document(session);
        RecordingView view(document);
        view.sessionKinds.push_back(c.kind);
        newSession(SessionContext{document, prompter, view});

        EXPECT_EQ(document.session().kind, c.kind);
        ASSERT_EQ(document.cells().columnCount(), 1);
        EXPECT_EQ(columnTexts(document.session(), 0), *c.column);
        EXPECT_EQ(rowLabels(document.session().kind).at(3), QString::fromLatin1(c.label3));
        EXPECT_EQ(rowLabels(document.session().kind).at(6), QString::fromLatin1(c.label6));
        EXPECT_EQ(document.session().name, u"unnamed"_s);
        EXPECT_TRUE(document.session().fileName.isEmpty());
        EXPECT_TRUE(document.session().descriptionLines.isEmpty());
        EXPECT_EQ(document.isModified(), 1);
        EXPECT_TRUE(view.sessionShown);
        EXPECT_EQ(view.selected, (CellPos{0, 1}));
        EXPECT_EQ(view.timing().lines(), (QStringList{u"Segment 1 start time 0:0"_s, u"Session total time 1:0"_s}));
        EXPECT_TRUE(prompter.log.isEmpty());
    }
}

TEST(NewSession, NewSegmentCopiesThePreviousOutsideAnyLoop)
{
    for (SessionKind kind : {PulsedSession, DualBinauralSession}) {
        Session session = sessionWithTimes(kind, {"0:05.0"});
        session.cells.setCell(0, VIRampRow, u"seg"_s);
        session.cells.setCell(0, LoopSegsRow, u"1"_s);
        session.cells.setCell(0, LoopTimesRow, u"4"_s);
        session.cells.setColumnCount(2);
        fillNewSegment(session, 1);

        QStringList expected = columnTexts(session, 0);
        expected[0] = u"2"_s;
        expected[11] = u"none"_s;
        expected[12] = kind == DualBinauralSession ? u"ramp"_s : QString();
        expected[13] = u"0"_s;
        expected[14] = u"0"_s;
        EXPECT_EQ(columnTexts(session, 1), expected) << kind;
    }
}

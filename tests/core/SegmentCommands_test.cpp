#include "DefaultSegments.h"
#include "EditingFixtures.h"
#include "RecordingView.h"
#include "ScriptedPrompter.h"
#include "TestSupport.h"

#include "core/session/NewSession.h"
#include "core/session/SegmentClipboard.h"
#include "core/session/SegmentCommands.h"
#include "core/session/SessionContext.h"
#include "core/session/SessionDocument.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {
// A segment command at a segment, with the clipboard it may use.
using Command = void (*)(const SessionContext &, int column, SegmentClipboard &);
void newAt(const SessionContext &context, int, SegmentClipboard &) { newSegment(context); }
void cutAt(const SessionContext &context, int column, SegmentClipboard &clipboard) { cutSegment(context, column, clipboard); }
void pasteAt(const SessionContext &context, int column, SegmentClipboard &clipboard) { pasteSegment(context, column, clipboard); }
void insertAt(const SessionContext &context, int column, SegmentClipboard &) { insertSegment(context, column); }

// Seven segments, each with its own time, and a loop over segments 3 to 5.
Session sessionWithLoop()
{
    Session session = sessionOfDefaultSegments(PulsedSession, 7, {{TimeRow, u"0:10.0"_s}});
    const char *times[] = {"0:01.0", "0:02.0", "0:03.0", "0:04.0", "0:05.0", "0:07.0", "0:10.0"};
    for (int column = 0; column < 7; ++column)
        session.cells.setCell(column, TimeRow, QString::fromLatin1(times[column]));
    putLoop(session.cells, 2, 3, 2);
    return session;
}

QStringList columnTexts(const SessionGrid &cells, int column)
{
    const SessionGrid::Column &texts = cells.column(column);
    return QStringList(texts.begin(), texts.end());
}

// Cut refreshes the timing panel even when it refuses; Paste and Insert do not.
constexpr int NoRefresh = -1;

struct Refusal
{
    const char *name;
    Command command;
    int column;
    const char *message;
    int startSeconds; // of the selected segment in the refreshed panel
};

const Refusal refusals[] = {
    {"CutSegment1", cutAt, 0, "Cannot delete segment 1", 0},
    {"CutLoopStart", cutAt, 2, "Cannot delete inside loop", 3},
    {"CutLoopMiddle", cutAt, 3, "Cannot delete inside loop", 6},
    {"CutLoopEnd", cutAt, 4, "Cannot delete inside loop", 10},
    {"InsertAtSegment1", insertAt, 0, "Cannot insert segment 1", NoRefresh},
    {"PasteAtSegment1", pasteAt, 0, "Cannot insert segment 1", NoRefresh},
    {"InsertAtLoopStart", insertAt, 2, "Cannot insert inside loop", NoRefresh},
    {"InsertInLoop", insertAt, 4, "Cannot insert inside loop", NoRefresh},
    {"PasteAtLoopStart", pasteAt, 2, "Cannot paste inside loop", NoRefresh},
    {"PasteAtLoopEnd", pasteAt, 4, "Cannot paste inside loop", NoRefresh},
};

class SegmentRefusalTest : public ::testing::TestWithParam<Refusal>
{
};

TEST_P(SegmentRefusalTest, LeavesTheSessionAlone)
{
    const Refusal &r = GetParam();
    Session session = sessionWithLoop();
    SegmentClipboard clipboard{columnTexts(session.cells, 6)};
    const QStringList copied = clipboard.cells;
    const Session before = session;
    ScriptedPrompter prompter;
    SessionDocument document(session);
    RecordingView view(document);

    r.command({document, prompter, view}, r.column, clipboard);

    EXPECT_EQ(prompter.log, QStringList{u"error: "_s + QString::fromLatin1(r.message)});
    EXPECT_TRUE(sameCells(document.cells(), before.cells));
    EXPECT_EQ(document.isModified(), 0);
    EXPECT_EQ(clipboard.cells, copied);
    if (r.startSeconds == NoRefresh) {
        EXPECT_EQ(view.timingChangedCount, 0);
    } else {
        EXPECT_EQ(view.timingChangedCount, 1);
        EXPECT_EQ(view.timing().lines().first(), u"Segment %1 start time 0:%2"_s.arg(r.column + 1).arg(r.startSeconds));
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, SegmentRefusalTest, ::testing::ValuesIn(refusals),
                         [](const ::testing::TestParamInfo<Refusal> &info) { return std::string(info.param.name); });

TEST(SegmentCommands, FullSessionTakesNoMoreSegments)
{
    for (const Command command : {newAt, pasteAt, insertAt}) {
        Session session =
            sessionOfDefaultSegments(DualBinauralSession, SessionGrid::MaxSegments, {{TimeRow, u"0:01.0"_s}});
        ScriptedPrompter prompter;
        SessionDocument document(session);
        RecordingView view(document);
        SegmentClipboard clipboard;
        command({document, prompter, view}, 5, clipboard);
        EXPECT_EQ(prompter.log, (QStringList{u"beep"_s, u"error: Max 1000 Segments"_s}));
        EXPECT_EQ(document.cells().columnCount(), SessionGrid::MaxSegments);
        EXPECT_EQ(document.isModified(), 0);
    }
    Session session =
        sessionOfDefaultSegments(DualBinauralSession, SessionGrid::MaxSegments, {{TimeRow, u"0:01.0"_s}});
    ScriptedPrompter prompter;
    prompter.answerOkCancel(true);
    SessionDocument document(session);
    RecordingView view(document);
    SegmentClipboard clipboard;
    cutSegment({document, prompter, view}, 999, clipboard);
    EXPECT_EQ(document.cells().columnCount(), SessionGrid::MaxSegments - 1);
    EXPECT_EQ(prompter.log, QStringList{u"confirm: Delete segment 1000 ?"_s});
}

TEST(SegmentCommands, CutRenumbersAndPasteBringsTheSegmentBack)
{
    Session session = sessionOfDefaultSegments(PulsedSession, 6, {{TimeRow, u"0:10.0"_s}});
    session.cells.setCell(3, TimeRow, u"2:00.0"_s);
    session.cells.setCell(3, PhaseRow, u"LA"_s);
    const QStringList cut = columnTexts(session.cells, 3);
    const QStringList fifth = columnTexts(session.cells, 4);
    ScriptedPrompter prompter;
    prompter.answerOkCancel(true);
    SessionDocument document(session);
    RecordingView view(document);
    const SessionContext context{document, prompter, view};
    SegmentClipboard clipboard;

    cutSegment(context, 3, clipboard);
    EXPECT_EQ(prompter.log, QStringList{u"confirm: Delete segment 4 ?"_s});
    EXPECT_EQ(clipboard.cells, cut);
    EXPECT_EQ(clipboard.cells.first(), u"4"_s);
    EXPECT_EQ(document.cells().columnCount(), 5);
    EXPECT_EQ(sessionInvariantFault(document.cells()), QString());
    QStringList shifted = fifth;
    shifted[0] = u"4"_s;
    EXPECT_EQ(columnTexts(document.cells(), 3), shifted);
    EXPECT_EQ(document.isModified(), 1);
    EXPECT_EQ(view.timing().lines().first(), u"Segment 4 start time 0:30"_s);

    document.dropChanges();
    pasteSegment(context, 1, clipboard);
    EXPECT_EQ(document.cells().columnCount(), 6);
    EXPECT_EQ(sessionInvariantFault(document.cells()), QString());
    QStringList pasted = cut;
    pasted[0] = u"2"_s;
    EXPECT_EQ(columnTexts(document.cells(), 1), pasted);
    EXPECT_EQ(document.isModified(), 1);
    EXPECT_EQ(view.timing().lines(), (QStringList{u"Segment 2 start time 0:10"_s, u"Session total time 2:50"_s}));
    // The clipboard keeps its segment for another paste.
    pasteSegment(context, 1, clipboard);
    EXPECT_EQ(document.cells().columnCount(), 7);
    EXPECT_EQ(columnTexts(document.cells(), 1), pasted);
}

TEST(SegmentCommands, CancelledCutChangesNothingButTheTiming)
{
    Session session = sessionOfDefaultSegments(PulsedSession, 3, {{TimeRow, u"0:10.0"_s}});
    const Session before = session;
    ScriptedPrompter prompter;
    prompter.answerOkCancel(false);
    SessionDocument document(session);
    RecordingView view(document);
    SegmentClipboard clipboard;
    cutSegment({document, prompter, view}, 2, clipboard);
    EXPECT_TRUE(sameCells(document.cells(), before.cells));
    EXPECT_TRUE(clipboard.isEmpty());
    EXPECT_EQ(document.isModified(), 0);
    EXPECT_EQ(view.timing().lines(), (QStringList{u"Segment 3 start time 0:20"_s, u"Session total time 0:30"_s}));
}

TEST(SegmentCommands, CutOfLastSegmentLeavesOnlyTheTotal)
{
    Session session = sessionOfDefaultSegments(PulsedSession, 3, {{TimeRow, u"0:10.0"_s}});
    ScriptedPrompter prompter;
    prompter.answerOkCancel(true);
    SessionDocument document(session);
    RecordingView view(document);
    SegmentClipboard clipboard;
    cutSegment({document, prompter, view}, 2, clipboard);
    EXPECT_EQ(document.cells().columnCount(), 2);
    EXPECT_EQ(view.timing().lines(), (QStringList{u"Session total time 0:20"_s, QString()}));
}

// Insert after a loop puts the new segment between the loop and the
// segment that followed it; the loop stays whole.
TEST(SegmentCommands, InsertAfterLoopKeepsTheLoop)
{
    Session session = sessionWithLoop();
    session.cells.setCell(4, VIRampRow, u"seg"_s);
    const QStringList sixth = columnTexts(session.cells, 5);
    ScriptedPrompter prompter;
    SessionDocument document(session);
    RecordingView view(document);
    insertSegment({document, prompter, view}, 5);

    EXPECT_TRUE(prompter.log.isEmpty()) << prompter.log.join(u", "_s);
    ASSERT_EQ(document.cells().columnCount(), 8);
    EXPECT_EQ(sessionInvariantFault(document.cells()), QString());
    for (int column = 2; column <= 4; ++column)
        EXPECT_EQ(document.cells().cell(column, 14), u"2"_s);
    QStringList inserted = columnTexts(document.cells(), 4);
    inserted[0] = u"6"_s;
    inserted[11] = u"none"_s;
    inserted[13] = u"0"_s;
    inserted[14] = u"0"_s;
    EXPECT_EQ(columnTexts(document.cells(), 5), inserted);
    QStringList moved = sixth;
    moved[0] = u"7"_s;
    EXPECT_EQ(columnTexts(document.cells(), 6), moved);
    EXPECT_EQ(document.isModified(), 1);
    EXPECT_EQ(view.timing().lines().first(), u"Segment 6 start time 0:%1"_s.arg(1 + 2 + 2 * (3 + 4 + 5)));
}

TEST(SegmentCommands, PasteWithNothingCopiedInserts)
{
    for (const SessionKind kind : {PulsedSession, DualBinauralSession}) {
        Session pasted = sessionOfDefaultSegments(kind, 4, {{1, u"0:10.0"_s}});
        pasted.cells.setCell(0, 12, u"jump"_s);
        SessionDocument pastedInto(pasted);
        SessionDocument insertedInto(pasted);
        ScriptedPrompter prompter;
        RecordingView view(pastedInto);
        const SegmentClipboard nothingCopied;
        pasteSegment({pastedInto, prompter, view}, 1, nothingCopied);
        insertSegment({insertedInto, prompter, view}, 1);
        EXPECT_TRUE(sameCells(pastedInto.cells(), insertedInto.cells()));
        EXPECT_EQ(pastedInto.cells().columnCount(), 5);
        EXPECT_EQ(pastedInto.cells().cell(1, 12), kind == DualBinauralSession ? u"ramp"_s : QString());
        EXPECT_TRUE(pastedInto.isModified());
    }
}

// Copy drops the loop rows; the clipboard outlives New and is pasted as it
// is, whatever the kind of the session it lands in.
TEST(SegmentCommands, ClipboardCrossesSessions)
{
    Session session = sessionOfDefaultSegments(DualBinauralSession, 5, {{TimeRow, u"0:10.0"_s}});
    session.cells.setCell(1, Pitch2Row, u"r-3"_s);
    putLoop(session.cells, 1, 2, 4);
    ScriptedPrompter prompter;
    SessionDocument document(session);
    RecordingView view(document);
    const SessionContext context{document, prompter, view};
    SegmentClipboard clipboard;
    copySegment(document.cells(), 1, clipboard);
    QStringList copied = columnTexts(document.cells(), 1);
    copied[13] = u"0"_s;
    copied[14] = u"0"_s;
    EXPECT_EQ(clipboard.cells, copied);
    EXPECT_EQ(document.isModified(), 0);
    EXPECT_EQ(view.timingChangedCount, 0);

    view.sessionKinds.push_back(PulsedSession);
    newSession(context);
    newSegment(context);
    newSegment(context);
    pasteSegment(context, 2, clipboard);
    ASSERT_EQ(document.cells().columnCount(), 4);
    QStringList expected = copied;
    expected[0] = u"3"_s;
    EXPECT_EQ(columnTexts(document.cells(), 2), expected);
    EXPECT_EQ(document.cells().cell(2, 2), u"dbb"_s);
    EXPECT_EQ(sessionInvariantFault(document.cells()), QString());
    EXPECT_TRUE(prompter.log.isEmpty()) << prompter.log.join(u", "_s);
}

TEST(SegmentCommands, NewSegmentCopiesTheLastOutsideLoops)
{
    for (const SessionKind kind : {PulsedSession, DualBinauralSession}) {
        Session session = sessionOfDefaultSegments(kind, 3, {{TimeRow, u"0:10.0"_s}});
        session.cells.setCell(2, VIRampRow, u"seg"_s);
        session.cells.setCell(2, StartFreqRow, u"9.5"_s);
        putLoop(session.cells, 1, 2, 3);
        ScriptedPrompter prompter;
        SessionDocument document(session);
        RecordingView view(document);
        newSegment({document, prompter, view});

        ASSERT_EQ(document.cells().columnCount(), 4);
        EXPECT_EQ(sessionInvariantFault(document.cells()), QString());
        QStringList expected = columnTexts(document.cells(), 2);
        expected[0] = u"4"_s;
        expected[11] = u"none"_s;
        expected[12] = kind == DualBinauralSession ? u"ramp"_s : QString();
        expected[13] = u"0"_s;
        expected[14] = u"0"_s;
        EXPECT_EQ(columnTexts(document.cells(), 3), expected);
        EXPECT_EQ(view.selected, (CellPos{3, 1}));
        EXPECT_EQ(document.isModified(), 1);
        EXPECT_EQ(view.timing().lines(), (QStringList{u"Segment 4 start time 1:10"_s, u"Session total time 1:20"_s}));
    }
}
} // namespace

// The editor beside the document: who moves the selection decides whether
// the timing panel follows, and a bad number an edit's timing meets ends the
// command that made the edit, reported once, without leaving a slot.
#include "RecordingView.h"
#include "ScriptedPrompter.h"
#include "TestSupport.h"
#include "core/session/SessionEditor.h"
#include "core/session/ValueStepping.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {
struct EditorFixture
{
    explicit EditorFixture(Session session)
    {
        editor.document().replace(std::move(session), false);
        editor.setSessionShown(true);
    }
    ScriptedPrompter prompter;
    SessionDocument dialogsDocument;
    RecordingView dialogs{dialogsDocument};
    SessionEditor editor{prompter, dialogs};
};
} // namespace

TEST(SessionEditor, TheTimingFollowsASegmentTheUserChoosesNotOneACommandSelects)
{
    const struct
    {
        const char *what;
        SessionEditor::Source source;
        QString firstLine;
    } cases[] = {
        {"chosen by the user", SessionEditor::Source::User, u"Segment 3 start time 3:0"_s},
        {"selected by a command", SessionEditor::Source::Command, u"Segment 1 start time 0:0"_s},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        EditorFixture f(sessionWithTimes(PulsedSession, {"1:00.0", "2:00.0", "3:00.0"}));
        QList<SessionEditor::Source> heard;
        QObject::connect(&f.editor, &SessionEditor::selectionChanged,
                         [&heard](SessionEditor::Source source) { heard << source; });
        f.editor.selectCell({2, PitchRow}, c.source);
        EXPECT_EQ(f.editor.timing().lines().value(0), c.firstLine);
        EXPECT_EQ(f.editor.selectedCell(), (CellPos{2, PitchRow}));
        EXPECT_EQ(heard, QList<SessionEditor::Source>{c.source});
    }
}

TEST(SessionEditor, ABadNumberTheTimingMeetsEndsTheCommandOnceAndNeverLeavesASlot)
{
    EditorFixture f(sessionWithTimes(PulsedSession, {"1:xx.0", "1:00.0", "1:00.0"}));
    f.editor.selectCell({1, TimeRow});
    // Edited outside a command, the document's signals return normally.
    EXPECT_NO_THROW(f.editor.document().edit({u"Change"_s, {1, TimeRow}, 2},
                                             [](Session &s) { s.cells.setCell(1, TimeRow, u"2:00.0"_s); }));
    const struct
    {
        const char *what;
        std::function<void()> command;
        int segments;
    } commands[] = {
        {"a step", [&] { f.editor.stepSelectedCell(StepDirection::Up); }, 3},
        {"a new segment", [&] { f.editor.newSegment(); }, 4},
        {"an undo", [&] { f.editor.undo(); }, 3},
    };
    for (const auto &c : commands) {
        SCOPED_TRACE(c.what);
        f.prompter.errors.clear();
        EXPECT_FALSE(f.editor.runCommand(c.command));
        EXPECT_EQ(f.prompter.errors, QStringList{u"'xx' is not a valid integer value"_s});
        EXPECT_EQ(f.editor.session().cells.columnCount(), c.segments);
    }
    // A later command that meets nothing reports nothing.
    f.prompter.errors.clear();
    EXPECT_TRUE(f.editor.runCommand([&] { f.editor.selectCell({0, PitchRow}); }));
    EXPECT_TRUE(f.prompter.errors.isEmpty());
}

TEST(SessionEditor, AnEditSelectsItsCellsKeepingTheRowWhereItNamesOnlyItsSegment)
{
    EditorFixture f(sessionWithTimes(PulsedSession, {"1:00.0", "1:00.0", "1:00.0", "1:00.0"}));
    const struct
    {
        const char *what;
        EditStep step;
        CellRange selected;
    } edits[] = {
        {"one cell", {u"Change"_s, {2, VolumeRow}}, {2, VolumeRow, 2, VolumeRow}},
        {"cells of a row", {u"Change"_s, {1, PitchRow}, 0, EditStep::NoMerge, 3}, {1, PitchRow, 3, PitchRow}},
        {"past the last segment", {u"Change"_s, {9, PitchRow}}, {3, PitchRow, 3, PitchRow}},
        {"a whole segment", {u"Cut"_s, {0, SegmentNumberRow}}, {0, PitchRow, 0, PitchRow}},
    };
    for (const auto &e : edits) {
        SCOPED_TRACE(e.what);
        f.editor.document().edit(e.step, [](Session &s) { s.cells.setCell(0, ToneRow, s.cells.cell(0, ToneRow)); });
        const CellRange &range = f.editor.selection();
        EXPECT_EQ((std::array{range.left, range.top, range.right, range.bottom}),
                  (std::array{e.selected.left, e.selected.top, e.selected.right, e.selected.bottom}));
    }
}

// The modified flag follows the document, and steps of one cell merge.
#include "session/SessionDocument.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {
void setTime(SessionDocument &document, int column, const char *time)
{
    const EditStep step{u"step"_s, {column, 1}, 0, EditStep::ValueStep};
    document.edit(step, [&] {
        document.session().cells.setCell(column, TimeRow, QString::fromLatin1(time));
        document.session().modified = 1;
    });
}
} // namespace

TEST(SessionDocument, IsModifiedExactlyWhenItDiffersFromTheSavedSession)
{
    SessionDocument document;
    QUndoStack &history = document.undoStack();
    const struct
    {
        const char *action;
        std::function<void()> run;
        bool modified;
    } script[] = {
        {"edit", [&] { setTime(document, 0, "0:10.0"); }, true},
        {"undo to what was read", [&] { history.undo(); }, false},
        {"redo", [&] { history.redo(); }, true},
        {"save", [&] { document.markSaved(); }, false},
        {"undo past the save", [&] { history.undo(); }, true},
        {"redo to the save", [&] { history.redo(); }, false},
        {"a step that changes nothing still marks", [&] {
             document.edit({u"none"_s}, [&] { document.session().modified = 1; });
         }, true},
        {"edit and undo keep the mark", [&] {
             setTime(document, 0, "0:20.0");
             history.undo();
         }, true},
        {"a refused edit marks nothing", [&] {
             document.markSaved();
             document.edit({u"refused"_s}, [] {});
         }, false},
        {"new history", [&] {
             setTime(document, 0, "0:30.0");
             document.startAfresh();
         }, false},
    };
    for (const auto &step : script) {
        step.run();
        EXPECT_EQ(document.isModified(), step.modified) << step.action;
        EXPECT_EQ(document.session().modified, step.modified ? 1 : 0) << step.action;
    }
    EXPECT_FALSE(history.canUndo());
}

TEST(SessionDocument, StepsOfOneCellInARowAreOneUndoStep)
{
    SessionDocument document;
    document.session().cells.setColumnCount(2);
    for (const char *time : {"0:10.0", "0:20.0", "0:30.0"})
        setTime(document, 0, time);
    setTime(document, 1, "0:40.0");
    setTime(document, 0, "0:50.0");
    EXPECT_EQ(document.undoStack().count(), 3);
    document.undoStack().undo();
    document.undoStack().undo();
    EXPECT_EQ(document.session().cells.cell(0, TimeRow), u"0:30.0"_s);
    document.undoStack().undo();
    EXPECT_EQ(document.session().cells.cell(0, TimeRow), QString());
}

#include "core/session/SessionEditor.h"

#include "core/session/ConversionError.h"
#include "core/session/SegmentCommands.h"
#include "core/session/SessionText.h"
#include "core/session/TextPaste.h"
#include "core/session/ValueEntry.h"
#include "core/session/ValueStepping.h"

#include <QTimer>
#include <algorithm>

SessionEditor::SessionEditor(Prompter &prompter, SessionDialogs &dialogs, QObject *parent)
    : QObject(parent), mPrompter(&prompter), mDialogs(dialogs)
{
    // An edit's cell is selected before the timing refresh it asks for.
    connect(&mDocument, &SessionDocument::edited, this, &SessionEditor::showEdit);
    mTiming.follow(mDocument);
}

void SessionEditor::setSessionShown(bool shown)
{
    mShown = shown;
    emit sessionShownChanged(shown);
}

void SessionEditor::select(const CellRange &range, const CellPos &current, Source source)
{
    mSelection = range;
    mSelection.top = std::max(mSelection.top, int(TimeRow));
    mSelection.bottom = std::max(mSelection.bottom, mSelection.top);
    mCurrent = current;
    emit selectionChanged(source);
    // As a click on a cell does: the empty start-up grid has no times to add.
    if (source == Source::User && mShown) {
        const int column = current.column;
        ::runCommand(*mPrompter, [this, column] { mTiming.refresh(mDocument.cells(), column + 1); });
    }
}

void SessionEditor::selectCell(const CellPos &cell, Source source)
{
    select({cell.column, cell.row, cell.column, cell.row}, cell, source);
}

bool SessionEditor::runCommand(const std::function<void()> &command)
{
    mTiming.takeFailure();
    return ::runCommand(*mPrompter, [&] {
        command();
        // A bad number the timing refresh of the command's edits met ends it.
        if (const QString failure = mTiming.takeFailure(); !failure.isEmpty())
            throw ConversionError(failure);
    });
}

// An edit, its undo or its redo shows its cell, on a segment that exists; a
// step that names only its segment keeps the selected row.
void SessionEditor::showEdit(const EditStep &step)
{
    CellPos cell = step.cell;
    cell.column = std::min(cell.column, mDocument.cells().columnCount() - 1);
    if (cell.row == 0)
        cell.row = selectedCell().row;
    const int last = std::min(cell.column + std::max(step.columns, 1), mDocument.cells().columnCount()) - 1;
    // An edit of a range leaves the current cell where it was within it.
    const bool keeps = mCurrent.row == cell.row && mCurrent.column > cell.column && mCurrent.column <= last;
    select({cell.column, cell.row, last, cell.row}, keeps ? mCurrent : cell);
}

void SessionEditor::newSegment()
{
    ::newSegment(context(), mPreferences.newSegmentContinuesGlide() ? NewSegmentStart::WhereGlideEnded
                                                                     : NewSegmentStart::AsCopied);
}

void SessionEditor::stepSelectedCell(StepDirection direction)
{
    if (mSelection.top == mSelection.bottom)
        stepValue(context(), mSelection.topLeft(), direction);
}

void SessionEditor::stepSelection(StepDirection direction)
{
    stepValues(context(), mSelection, direction);
}

void SessionEditor::enterTypedValue(const CellPos &cell, const QString &text)
{
    CellRange range = mSelection;
    if (range.top != range.bottom || range.top != cell.row || cell.column < range.left || cell.column > range.right)
        range = {cell.column, cell.row, cell.column, cell.row};
    QTimer::singleShot(0, this, [this, range, text] { runCommand([&] { ::enterValue(context(), range, text); }); });
}

QString SessionEditor::copySegment()
{
    const int column = selectedCell().column;
    ::copySegment(mDocument.cells(), column, mSegmentClipboard);
    return SessionText::segmentLine(mDocument.cells(), column);
}

void SessionEditor::cutSegment()
{
    ::cutSegment(context(), selectedCell().column, mSegmentClipboard);
}

void SessionEditor::pasteSegment()
{
    ::pasteSegment(context(), selectedCell().column, mSegmentClipboard);
}

void SessionEditor::insertSegment()
{
    ::insertSegment(context(), selectedCell().column);
}

void SessionEditor::pasteText(const QString &text)
{
    ::pasteText(context(), mSelection.left, text);
}

void SessionEditor::undo()
{
    if (mShown)
        mDocument.undo();
}

void SessionEditor::redo()
{
    if (mShown)
        mDocument.redo();
}

// Segment and value commands of the main window, each one undo step.
#include "app/MainWindow.h"

#include "session/SegmentCommands.h"
#include "session/SessionRows.h"
#include "session/SessionText.h"
#include "session/ValueStepping.h"

#include <QClipboard>
#include <QGuiApplication>

using namespace Qt::Literals::StringLiterals;

namespace {
bool isLoopRow(int row)
{
    return row == LoopSegsRow || row == LoopTimesRow;
}

// A segment command at the selected segment, which refreshes the timing there.
EditStep segmentStep(const QString &verb, const CellPos &cell)
{
    return {u"%1 Segment %2"_s.arg(verb).arg(cell.column + 1), cell, cell.column + 1};
}
} // namespace

void MainWindow::newSegment()
{
    const int added = mSession.cells.columnCount();
    mDocument.edit({u"New Segment"_s, {added, TimeRow}, added + 1}, [this] { ::newSegment(context()); });
}

void MainWindow::stepUp()
{
    stepSelectedCell(StepDirection::Up);
}

void MainWindow::stepDown()
{
    stepSelectedCell(StepDirection::Down);
}

// Stepping needs one row: a selection over several rows steps nothing.
// Steps of one cell in a row are one undo step; loop entries, which refresh
// the timing, each their own.
void MainWindow::stepSelectedCell(StepDirection direction)
{
    const CellRange range = readSelection();
    if (range.top != range.bottom)
        return;
    const CellPos cell = range.topLeft();
    const QString label = rowLabels(mSession.kind).value(cell.row);
    const bool loop = isLoopRow(cell.row);
    const EditStep step{u"Change %1 of Segment %2"_s.arg(label).arg(cell.column + 1), cell,
                        loop ? cell.column + 1 : 0, loop ? EditStep::NoMerge : EditStep::ValueStep};
    mDocument.edit(step, [this, cell, direction] { stepValue(context(), cell, direction); });
}

void MainWindow::copySegment()
{
    const int column = selectedCell().column;
    ::copySegment(mSession.cells, column, mSegmentClipboard);
    // Also as text, for a spreadsheet or a message.
    QGuiApplication::clipboard()->setText(SessionText::segmentLine(mSession.cells, column));
}

void MainWindow::copySessionText()
{
    QGuiApplication::clipboard()->setText(SessionText::session(mSession.cells));
}

void MainWindow::pasteSegment()
{
    const CellPos cell = selectedCell();
    mDocument.edit(segmentStep(u"Paste"_s, cell),
                   [this, cell] { ::pasteSegment(context(), cell.column, mSegmentClipboard); });
}

void MainWindow::cutSegment()
{
    const CellPos cell = selectedCell();
    mDocument.edit(segmentStep(u"Cut"_s, cell), [this, cell] { ::cutSegment(context(), cell.column, mSegmentClipboard); });
}

void MainWindow::insertSegment()
{
    const CellPos cell = selectedCell();
    mDocument.edit(segmentStep(u"Insert"_s, cell), [this, cell] { ::insertSegment(context(), cell.column); });
}

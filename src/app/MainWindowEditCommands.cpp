// Segment and value commands of the main window.
#include "app/MainWindow.h"

#include "session/SegmentCommands.h"
#include "session/SessionText.h"
#include "session/ValueStepping.h"

#include <QClipboard>
#include <QGuiApplication>

namespace {
// Stepping needs one row: a selection over several rows steps nothing.
void stepSelectedCell(MainWindow &form, StepDirection direction)
{
    const CellRange range = form.readSelection();
    if (range.top == range.bottom)
        stepValue(form.context(), direction);
}
} // namespace

void MainWindow::newSegment()
{
    ::newSegment(context());
}

void MainWindow::stepUp()
{
    stepSelectedCell(*this, StepDirection::Up);
}

void MainWindow::stepDown()
{
    stepSelectedCell(*this, StepDirection::Down);
}

void MainWindow::copySegment()
{
    readSelection();
    ::copySegment(context());
    // Also as text, for a spreadsheet or a message.
    QGuiApplication::clipboard()->setText(SessionText::segmentLine(mSession.cells, mSession.currentCell.column));
}

void MainWindow::copySessionText()
{
    QGuiApplication::clipboard()->setText(SessionText::session(mSession.cells));
}

void MainWindow::pasteSegment()
{
    readSelection();
    ::pasteSegment(context());
}

void MainWindow::cutSegment()
{
    readSelection();
    ::cutSegment(context());
}

void MainWindow::insertSegment()
{
    readSelection();
    ::insertSegment(context());
}

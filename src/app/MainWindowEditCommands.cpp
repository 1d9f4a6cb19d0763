// Segment and value commands of the main window.
#include "app/MainWindow.h"

#include "session/SegmentCommands.h"
#include "session/ValueStepping.h"

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

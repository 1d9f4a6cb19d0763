// Segment and value commands of the main window.
#include "app/TForm1.h"

#include "session/SegmentCommands.h"
#include "session/ValueStepping.h"

namespace {
// Stepping needs one row: a selection over several rows steps nothing.
void stepSelectedCell(TForm1 &form, StepDirection direction)
{
    const CellRange range = form.readSelection();
    if (range.top == range.bottom)
        StepValue(form.context(), direction);
}
} // namespace

void TForm1::NewSegClick()
{
    NewSegment(context());
}

void TForm1::upbuttonClick()
{
    stepSelectedCell(*this, StepDirection::Up);
}

void TForm1::downbuttonClick()
{
    stepSelectedCell(*this, StepDirection::Down);
}

void TForm1::CopySegmentClick()
{
    readSelection();
    CopySegment(context());
}

void TForm1::PasteSegmentClick()
{
    readSelection();
    PasteSegment(context());
}

void TForm1::CutSegmentClick()
{
    readSelection();
    CutSegment(context());
}

void TForm1::InsertSegmentClick()
{
    readSelection();
    InsertSegment(context());
}

// Segment and value commands of the main window.
#include "app/TForm1.h"

void TForm1::NewSegClick() {}
void TForm1::upbuttonClick() {}
void TForm1::downbuttonClick() {}
void TForm1::CopySegmentClick() {}
void TForm1::PasteSegmentClick() {}
void TForm1::CutSegmentClick() {}
void TForm1::InsertSegmentClick() {}

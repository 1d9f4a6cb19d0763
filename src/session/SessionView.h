#pragma once

#include "session/Session.h"

// What the session commands ask of the window that shows the session. The
// main window implements it with widgets; tests implement it with a recorder.
class SessionView
{
public:
    virtual ~SessionView() = default;

    // The cells, the column count or DualSession (row labels) changed.
    virtual void cellsChanged() = 0;
    // The timing panel lines of the session changed.
    virtual void timingChanged() = 0;
    // Show or hide the spreadsheet with its labels, panel and buttons.
    virtual void setSessionShown(bool shown) = 0;
    virtual void setCaption(const QString &caption) = 0;
    // Select a cell (also CurrentCell) and give the spreadsheet the focus.
    virtual void selectCell(const CellPos &cell) = 0;
    virtual void focusGrid() = 0;
    // Scroll so that the last segment is in view.
    virtual void scrollToLastSegment() = 0;
    // The New Session Type dialog: the DualSession value chosen.
    virtual int askSessionKind() = 0;
};

// "Mirandel for Ambrion/Calidor - [name]" after New and Open, with round
// brackets after show, resize and Name Session.
QString SessionCaption(const QString &sessionName, bool squareBrackets);

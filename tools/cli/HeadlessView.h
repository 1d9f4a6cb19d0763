#pragma once

#include "session/SessionView.h"

// A window that is not there: the command line reads and writes sessions
// without showing them.
class HeadlessView : public SessionView
{
public:
    void cellsChanged() override {}
    void timingChanged() override {}
    void setSessionShown(bool) override {}
    void setCaption(const QString &) override {}
    void selectCell(const CellPos &) override {}
    void focusGrid() override {}
    void scrollToLastSegment() override {}
    int askSessionKind() override { return PulsedSession; }
};

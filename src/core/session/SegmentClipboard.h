#pragma once

#include "core/session/SessionGrid.h"

#include <QStringList>

// The segment that Copy Segment and Cut Segment keep for Paste Segment. It
// is not part of any session: one for the whole program, it outlives New
// and Open.
struct SegmentClipboard
{
    QStringList cells = QStringList(SessionGrid::RowCount); // rows 0 to 14
    // Nothing copied yet: Paste then inserts a new segment.
    bool isEmpty() const { return cells.value(0).isEmpty(); }
};

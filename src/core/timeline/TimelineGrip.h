#pragma once

#include <QPointF>

class TimelineGeometry;
class TimelineLayout;

// A point of the timeline that can be dragged, and the cell it sets: the
// start or target of the beat (a dual tone's "Freq 1" and "Freq 2" levels),
// the boundary after a segment (its time), the volume and the intensity.
struct TimelineGrip
{
    int column = -1; // -1: none
    int row = 0;
    int pass = -1; // the pass it was taken at
    bool isValid() const { return column >= 0; }
    bool operator==(const TimelineGrip &other) const { return column == other.column && row == other.row; }
};

// Within this many pixels of a point or line the pointer takes it.
constexpr double GripReach = 5;

// The grip under the pointer; beat points win over boundaries, boundaries
// over levels.
TimelineGrip gripAt(const TimelineLayout &layout, const TimelineGeometry &geometry, QPointF point);
// Where a grip of a pass is drawn.
QPointF gripPoint(const TimelineLayout &layout, const TimelineGeometry &geometry, int pass, int row);

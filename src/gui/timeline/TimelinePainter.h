#pragma once

#include <QRect>

class QPainter;
class TimelineDrag;
class TimelineGeometry;
class TimelineLayout;
struct Session;

// What a view of the timeline adds to the session's picture.
struct TimelineMarks
{
    int selectedColumn = -1;
    int selectedRow = 0;        // the selected point of the selected segment
    double playSeconds = -1;    // the preview's cursor; negative: none
    const TimelineDrag *drag = nullptr;
};

// Paints the timeline: the lanes of beat, sound and light with their scales,
// boundaries, loop brackets and the time axis, and the marks over them. Only
// what meets clip is painted, so that a change repaints only its part. The
// same for the window, a PNG and an SVG picture.
void paintTimeline(QPainter &painter, const Session &session, const TimelineLayout &layout,
                   const TimelineGeometry &geometry, const TimelineMarks &marks, const QRect &clip);

#pragma once

#include "gui/graph/GraphDrawing.h"

class GraphGeometry;

// The horizontal scale of a time graph.
struct TimeScale
{
    TimeScale(int totalSeconds, int scrollBoxWidth);

    int minutes;         // M: the total rounded up to whole minutes, plus five
    int tickStep;        // S: 10 minutes from 45 minutes on, else 5
    int pixelsPerMinute; // K = W / M
};

// Every segment as wide as it lasts (at least one pixel), loops played out
// in full and the elapsed minutes ticked on the baseline. The session is
// walked twice: once to find the bitmap's width, once to draw.
GraphSketch sketchTimeGraph(const SessionGrid &cells, const QString &sessionName, int totalSeconds,
                             const GraphGeometry &geometry);

// The x in the time graph of the moment `seconds` into the session (the play
// cursor): within the segment played then, in proportion to its time; the
// final x after the end. Raises ConversionError as the drawing does.
int timeGraphX(const SessionGrid &cells, int totalSeconds, int scrollBoxWidth, double seconds);

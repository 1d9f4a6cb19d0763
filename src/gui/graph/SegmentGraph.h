#pragma once

#include "gui/graph/GraphDrawing.h"

class GraphGeometry;

// Every segment the same width P, between 30 and 100 pixels; loops are not
// played out.
int segmentWidth(int scrollBoxWidth, int segments);

// Numbers and ticks each segment on the baseline and draws its frequency line.
GraphSketch sketchSegmentGraph(const SessionGrid &cells, const QString &sessionName, const GraphGeometry &geometry);

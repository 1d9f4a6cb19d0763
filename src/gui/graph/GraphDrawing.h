#pragma once

#include "core/graph/GraphKind.h"

#include <QImage>
#include <QString>
#include <memory>

class GraphCanvas;
class SessionGrid;

// One drawing, recorded: the graph window paints the part it shows as it
// scrolls, a file writer the picture strip by strip.
struct GraphSketch
{
    std::shared_ptr<const GraphCanvas> canvas; // null when the drawing stopped before it was made
    int scrollRange = 0;                       // horizontal range of the scroll box
    QString caption;                           // empty when the drawing stopped before setting it
    QString error;                             // a time or loop text that is not a number stopped it
};

// The graph of the session's cells for a scroll box of width x height
// pixels. totalSeconds (the session total, loops included) spaces the time
// graph's minutes.
GraphSketch sketchGraph(const SessionGrid &cells, GraphKind mode, const QString &sessionName, int totalSeconds,
                         int width, int height);

// The same drawing with its whole bitmap painted, as a file of the whole
// picture needs it.
struct GraphDrawing
{
    QImage bitmap;                             // null when the drawing stopped before it was made
    std::shared_ptr<const GraphCanvas> canvas; // what the bitmap holds, to draw it again at any scale
    int scrollRange = 0;                       // horizontal range of the scroll box
    QString caption;                           // empty when the drawing stopped before setting it
    QString error;                             // a time or loop text that is not a number stopped it
};

GraphDrawing drawGraph(const SessionGrid &cells, GraphKind mode, const QString &sessionName, int totalSeconds,
                       int width, int height);
// A drawing's whole bitmap, painted now.
GraphDrawing paintWhole(const GraphSketch &sketch);

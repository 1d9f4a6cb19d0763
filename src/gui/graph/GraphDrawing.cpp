#include "gui/graph/GraphDrawing.h"

#include "gui/graph/GraphCanvas.h"
#include "gui/graph/GraphGeometry.h"
#include "gui/graph/SegmentGraph.h"
#include "gui/graph/TimeGraph.h"

GraphSketch sketchGraph(const SessionGrid &cells, GraphKind mode, const QString &sessionName, int totalSeconds,
                         int width, int height)
{
    const GraphGeometry geometry(width, height);
    if (mode == GraphKind::Time)
        return sketchTimeGraph(cells, sessionName, totalSeconds, geometry);
    return sketchSegmentGraph(cells, sessionName, geometry);
}

GraphDrawing drawGraph(const SessionGrid &cells, GraphKind mode, const QString &sessionName, int totalSeconds,
                       int width, int height)
{
    return paintWhole(sketchGraph(cells, mode, sessionName, totalSeconds, width, height));
}

GraphDrawing paintWhole(const GraphSketch &sketch)
{
    GraphDrawing drawing;
    drawing.bitmap = sketch.canvas ? sketch.canvas->paint() : QImage();
    drawing.canvas = sketch.canvas;
    drawing.scrollRange = sketch.scrollRange;
    drawing.caption = sketch.caption;
    drawing.error = sketch.error;
    return drawing;
}

#include "views/GraphDrawing.h"

#include "views/GraphCanvas.h"
#include "views/GraphGeometry.h"
#include "views/SegmentGraph.h"
#include "views/TimeGraph.h"

GraphPicture sketchGraph(const SessionGrid &cells, GraphKind mode, const QString &sessionName, int totalSeconds,
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
    const GraphPicture picture = sketchGraph(cells, mode, sessionName, totalSeconds, width, height);
    return {picture.canvas ? picture.canvas->paint() : QImage(), picture.scrollRange, picture.caption,
            picture.error};
}

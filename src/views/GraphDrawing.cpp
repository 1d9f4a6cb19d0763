#include "views/GraphDrawing.h"

#include "views/GraphGeometry.h"
#include "views/SegmentGraph.h"
#include "views/TimeGraph.h"

GraphDrawing drawGraph(const SessionGrid &cells, GraphKind mode, const QString &sessionName, int totalSeconds,
                       int width, int height)
{
    const GraphGeometry geometry(width, height);
    if (mode == GraphKind::Time)
        return drawTimeGraph(cells, sessionName, totalSeconds, geometry);
    return drawSegmentGraph(cells, sessionName, geometry);
}

#include "views/GraphDrawing.h"

#include "views/GraphGeometry.h"
#include "views/SegmentGraph.h"
#include "views/TimeGraph.h"

GraphDrawing DrawGraph(const SessionGrid &cells, GraphKind mode, const QString &sessionName, int totalSeconds,
                       int width, int height)
{
    const GraphGeometry geometry(width, height);
    if (mode == GraphKind::Time)
        return DrawTimeGraph(cells, sessionName, totalSeconds, geometry);
    return DrawSegmentGraph(cells, sessionName, geometry);
}

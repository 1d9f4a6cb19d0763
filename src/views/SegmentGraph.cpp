#include "views/SegmentGraph.h"

#include "session/SessionGrid.h"
#include "views/GraphCanvas.h"
#include "views/GraphFrequencies.h"

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

int SegmentWidth(int scrollBoxWidth, int segments)
{
    return std::clamp((scrollBoxWidth - 50) / segments, 30, 100);
}

GraphDrawing DrawSegmentGraph(const SessionGrid &cells, const QString &sessionName, const GraphGeometry &geometry)
{
    GraphDrawing drawing;
    drawing.caption = u"Segment Graph of [%1]"_s.arg(sessionName);
    const int segments = cells.columnCount();
    const int p = SegmentWidth(geometry.W, segments);
    drawing.scrollRange = segments * p + 50;

    GraphCanvas canvas(geometry, segments * p + 1);
    const int b = geometry.B;
    const int u = geometry.U;
    FrequencyWalk frequencies;
    for (int n = 1; n <= segments; ++n) {
        canvas.line(n * p, b, n * p, b - u);
        canvas.text(n * p - p / 2, b - 2 * u, QString::number(n));
        const SegmentLine line = frequencies.next(cells, n - 1);
        canvas.line((n - 1) * p, geometry.FreqToGraphY(line.start), n * p, geometry.FreqToGraphY(line.end));
    }
    drawing.bitmap = canvas.paint();
    return drawing;
}

#include "gui/graph/SegmentGraph.h"

#include "core/session/SessionGrid.h"
#include "gui/graph/GraphCanvas.h"
#include "core/graph/GraphFrequencies.h"

#include <QCoreApplication>
#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace {
struct SegmentGraphTexts
{
    Q_DECLARE_TR_FUNCTIONS(SessionGraph)
};
} // namespace

int segmentWidth(int scrollBoxWidth, int segments)
{
    return std::clamp((scrollBoxWidth - 50) / segments, 30, 100);
}

GraphSketch sketchSegmentGraph(const SessionGrid &cells, const QString &sessionName, const GraphGeometry &geometry)
{
    GraphSketch drawing;
    drawing.caption = SegmentGraphTexts::tr("Segment Graph of [%1]").arg(sessionName);
    const int segments = cells.columnCount();
    const int p = segmentWidth(geometry.width, segments);
    drawing.scrollRange = segments * p + 50;

    auto canvas = std::make_shared<GraphCanvas>(geometry, segments * p + 1);
    const int b = geometry.baseline;
    const int u = geometry.unit;
    FrequencyWalk frequencies;
    for (int n = 1; n <= segments; ++n) {
        canvas->line(n * p, b, n * p, b - u);
        canvas->text(n * p - p / 2, b - 2 * u, QString::number(n));
        const FrequencySpan line = frequencies.next(cells, n - 1);
        canvas->line((n - 1) * p, geometry.frequencyY(line.start), n * p, geometry.frequencyY(line.end));
    }
    drawing.canvas = std::move(canvas);
    return drawing;
}

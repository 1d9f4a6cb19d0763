#include "gui/graph/TimeGraph.h"

#include "core/session/ConversionError.h"
#include "core/session/PlayedWalk.h"
#include "gui/graph/GraphCanvas.h"
#include "core/graph/GraphFrequencies.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>

using namespace Qt::Literals::StringLiterals;

namespace {
struct TimeGraphTexts
{
    Q_DECLARE_TR_FUNCTIONS(SessionGraph)
};

int roundHalfEven(double value)
{
    return int(std::nearbyint(value));
}

// A played segment's width: as long as it lasts, at least one pixel.
int passWidth(const TimeScale &scale, double seconds)
{
    const int width = roundHalfEven(scale.pixelsPerMinute * seconds / 60.0);
    return width == 0 ? 1 : width;
}

// Walks the segments in the order they play and returns the final x. Draws
// on the canvas when there is one.
int walkTimeGraph(const SessionGrid &cells, const TimeScale &scale, const GraphGeometry &geometry,
                  GraphCanvas *canvas)
{
    const int baseline = geometry.baseline;
    int x = 0;
    int tickMinute = scale.tickStep;
    FrequencyWalk frequencies;
    PlayedWalk walk(cells, LoopRule::OutermostStart);
    PlayedSegment segment;
    while (walk.next(segment)) {
        const double start = segment.start / 2.0;
        const double seconds = segment.halfSeconds / 2.0;
        const double elapsed = start + seconds;
        const int x1 = x + passWidth(scale, seconds);
        if (canvas) {
            const FrequencySpan line = frequencies.next(cells, segment.column);
            canvas->line(x, geometry.frequencyY(line.start), x1, geometry.frequencyY(line.end));
        }
        while (elapsed >= 60.0 * tickMinute) {
            const int xt = roundHalfEven((60.0 * tickMinute - start) * (x1 - x) / (elapsed - start) + x);
            if (canvas) {
                canvas->line(xt, baseline, xt, baseline - 10);
                canvas->text(xt - 20, baseline - 20, QString::number(tickMinute));
            }
            tickMinute += scale.tickStep;
        }
        x = x1;
    }
    return x;
}
} // namespace

TimeScale::TimeScale(int totalSeconds, int scrollBoxWidth)
    : minutes(int((std::max<qint64>(totalSeconds, 0) + 59) / 60 + 5))
    , tickStep(minutes / 5 > 8 ? 10 : 5)
    , pixelsPerMinute(scrollBoxWidth / minutes)
{
}

GraphSketch sketchTimeGraph(const SessionGrid &cells, const QString &sessionName, int totalSeconds,
                             const GraphGeometry &geometry)
{
    GraphSketch drawing;
    const TimeScale scale(totalSeconds, geometry.width);
    try {
        const int finalX = walkTimeGraph(cells, scale, geometry, nullptr);
        drawing.caption = TimeGraphTexts::tr("Time Graph of [%1]").arg(sessionName);
        drawing.scrollRange = finalX;
        auto canvas = std::make_shared<GraphCanvas>(geometry, finalX + 1);
        walkTimeGraph(cells, scale, geometry, canvas.get());
        drawing.canvas = std::move(canvas);
    } catch (const ConversionError &e) {
        drawing.error = e.message();
    }
    return drawing;
}

int timeGraphX(const SessionGrid &cells, int totalSeconds, int scrollBoxWidth, double seconds)
{
    const TimeScale scale(totalSeconds, scrollBoxWidth);
    PlayedWalk walk(cells, LoopRule::OutermostStart);
    PlayedSegment segment;
    int x = 0;
    while (walk.next(segment)) {
        const double start = segment.start / 2.0;
        const double length = segment.halfSeconds / 2.0;
        const int width = passWidth(scale, length);
        if (length > 0 && seconds < start + length)
            return x + int(width * std::max(0.0, seconds - start) / length);
        x += width;
    }
    return x;
}

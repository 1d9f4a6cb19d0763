#include "views/TimeGraph.h"

#include "session/ConversionError.h"
#include "session/LoopPasses.h"
#include "session/SessionGrid.h"
#include "session/TextNumbers.h"
#include "views/GraphCanvas.h"
#include "views/GraphFrequencies.h"

#include <algorithm>
#include <cmath>

using namespace Qt::Literals::StringLiterals;

namespace {
enum Row { TimeRow = 1, LoopSegsRow = 13, LoopTimesRow = 14 };

int roundHalfEven(double value)
{
    return int(std::nearbyint(value));
}

// Walks the segments in the order they play and returns the final x. Draws
// on the canvas when there is one.
int walkTimeGraph(const SessionGrid &cells, const TimeScale &scale, const GraphGeometry &geometry,
                  GraphCanvas *canvas)
{
    const int baseline = geometry.B;
    double elapsed = 0;
    int x = 0;
    int tickMinute = scale.tickStep;
    bool loopArmed = false;
    int loopFirst = 0;
    qint64 loopLast = 0;
    int passesLeft = 0;
    FrequencyWalk frequencies;
    for (int i = 1; i <= cells.columnCount(); ++i) {
        const int column = i - 1;
        const double start = elapsed;
        const SegmentLine line = frequencies.next(cells, column);
        const double seconds = TextNumbers::halfSecondsOfTime(cells.cell(column, TimeRow)) / 2.0;
        elapsed = start + seconds;
        int width = roundHalfEven(scale.pixelsPerMinute * seconds / 60.0);
        if (width == 0)
            width = 1;
        const int x1 = x + width;
        if (canvas)
            canvas->line(x, geometry.FreqToGraphY(line.start), x1, geometry.FreqToGraphY(line.end));
        while (elapsed >= 60.0 * tickMinute) {
            const int xt = roundHalfEven((60.0 * tickMinute - start) * (x1 - x) / (elapsed - start) + x);
            if (canvas) {
                canvas->line(xt, baseline, xt, baseline - 10);
                canvas->text(xt - 20, baseline - 20, QString::number(tickMinute));
            }
            tickMinute += scale.tickStep;
        }
        x = x1;

        const QString &loopSegs = cells.cell(column, LoopSegsRow);
        if (!loopArmed && loopSegs != u"0"_s) {
            loopArmed = true;
            loopFirst = i;
            loopLast = qint64(i) + TextNumbers::integer(loopSegs) - 1;
            passesLeft = loopPasses(TextNumbers::integer(cells.cell(column, LoopTimesRow)));
        }
        if (loopArmed && i == loopLast) {
            if (--passesLeft > 0)
                i = loopFirst - 1;
            else
                loopArmed = false;
        }
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

GraphDrawing DrawTimeGraph(const SessionGrid &cells, const QString &sessionName, int totalSeconds,
                           const GraphGeometry &geometry)
{
    GraphDrawing drawing;
    const TimeScale scale(totalSeconds, geometry.W);
    try {
        const int finalX = walkTimeGraph(cells, scale, geometry, nullptr);
        drawing.caption = u"Time Graph of [%1]"_s.arg(sessionName);
        drawing.scrollRange = finalX;
        GraphCanvas canvas(geometry, finalX + 1);
        walkTimeGraph(cells, scale, geometry, &canvas);
        drawing.bitmap = canvas.paint();
    } catch (const ConversionError &e) {
        drawing.error = e.message();
    }
    return drawing;
}

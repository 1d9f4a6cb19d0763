// Both graphs of a 1000-segment session with loops, for the scroll box of a
// maximised graph window on a 1024 x 768 screen, as the window shows them
// (drawn, and the part the scroll box shows painted), and the memory a
// segment graph 30001 pixels wide takes at its peak. The whole bitmap, as
// drawGraph() paints it, for comparison.
#include "core/session/NewSession.h"
#include "core/session/Session.h"
#include "core/session/TimingSummary.h"
#include "core/session/ValueLists.h"
#include "gui/graph/GraphCanvas.h"
#include "gui/graph/GraphDrawing.h"

#include <QFile>
#include <benchmark/benchmark.h>
#include <malloc.h>

using namespace Qt::Literals::StringLiterals;

namespace {
constexpr int ScrollBoxWidth = 1024 - 30;
constexpr int ScrollBoxHeight = 768 - 50;

// Pulsed ramps and level lines; every 50 segments a loop of 10 segments
// played 5 times.
SessionGrid bigSession()
{
    SessionGrid cells;
    cells.setColumnCount(SessionGrid::MaxSegments);
    for (int column = 0; column < SessionGrid::MaxSegments; ++column) {
        SessionGrid::Column cellsOf = newSessionColumn(PulsedSession);
        cellsOf[SegmentNumberRow] = QString::number(column + 1);
        cellsOf[TimeRow] = ValueLists::TimeList.at(column % 20);
        cellsOf[StartFreqRow] = ValueLists::FreqList.at((column * 7) % ValueLists::FreqList.size());
        cellsOf[TargetFreqRow] = column % 3 == 0 ? ValueLists::TargetFreqList.at((column * 11) % 47) : QString();
        const int inBlock = column % 50;
        cellsOf[LoopSegsRow] = inBlock == 10 ? u"10"_s : u"0"_s;
        cellsOf[LoopTimesRow] = (inBlock >= 10 && inBlock < 20) ? u"5"_s : u"0"_s;
        cells.setColumn(column, cellsOf);
    }
    return cells;
}

// The widest time graph: half-second segments, all in loops of 15 segments
// played 15 times, so that each of 15000 played segments takes one pixel.
SessionGrid widestTimeSession()
{
    SessionGrid cells = bigSession();
    for (int column = 0; column < SessionGrid::MaxSegments; ++column) {
        cells.setCell(column, TimeRow, ValueLists::TimeList.first());
        cells.setCell(column, LoopSegsRow, column % 15 == 0 ? u"15"_s : u"0"_s);
        cells.setCell(column, LoopTimesRow, u"15"_s);
    }
    return cells;
}

qint64 statusKilobytes(const QByteArray &key)
{
    QFile status(u"/proc/self/status"_s);
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(key))
            return line.mid(key.size()).trimmed().split(' ').first().toLongLong();
    }
    return 0;
}

// What the graph window does: draws, then paints what the scroll box shows.
QImage showGraph(const SessionGrid &cells, GraphKind mode, int total)
{
    const GraphSketch picture = sketchGraph(cells, mode, u"bench"_s, total, ScrollBoxWidth, ScrollBoxHeight);
    const GraphCanvas &canvas = *picture.canvas;
    return canvas.paint(QRect(0, 0, std::min(ScrollBoxWidth, canvas.width()), canvas.height()));
}

void showGraph(benchmark::State &state, GraphKind mode, const SessionGrid &cells)
{
    const int total = computeTimingSummary(cells, 1).totalSeconds;
    QSize size;
    for (auto _ : state) {
        const QImage shown = showGraph(cells, mode, total);
        size = shown.size();
        benchmark::DoNotOptimize(shown.constBits());
    }
    state.counters["width"] = size.width();
    state.counters["height"] = size.height();
}

void segmentGraph(benchmark::State &state)
{
    showGraph(state, GraphKind::Segment, bigSession());
}
BENCHMARK(segmentGraph)->Unit(benchmark::kMillisecond);

void timeGraph(benchmark::State &state)
{
    showGraph(state, GraphKind::Time, bigSession());
}
BENCHMARK(timeGraph)->Unit(benchmark::kMillisecond);

void widestTimeGraph(benchmark::State &state)
{
    showGraph(state, GraphKind::Time, widestTimeSession());
}
BENCHMARK(widestTimeGraph)->Unit(benchmark::kMillisecond);

// The whole 30001-pixel bitmap at once.
void wholeSegmentGraphBitmap(benchmark::State &state)
{
    const SessionGrid cells = bigSession();
    for (auto _ : state) {
        const GraphDrawing drawing = drawGraph(cells, GraphKind::Segment, u"bench"_s, 0, ScrollBoxWidth,
                                               ScrollBoxHeight);
        benchmark::DoNotOptimize(drawing.bitmap.constBits());
    }
}
BENCHMARK(wholeSegmentGraphBitmap)->Unit(benchmark::kMillisecond);

// Peak resident memory above the start of one segment graph as the window
// shows it (Linux: the peak is reset through clear_refs). Resident memory is
// counted in pages; a run of this benchmark alone is exact.
void segmentGraphPeakMemory(benchmark::State &state)
{
    const SessionGrid cells = bigSession();
    // The fonts, read at the first drawing of the process, are not the drawing's.
    showGraph(cells, GraphKind::Segment, 0);
    qint64 peakKilobytes = 0;
    for (auto _ : state) {
        // Freed memory of earlier drawings would hide this one's.
        malloc_trim(0);
        QFile clear(u"/proc/self/clear_refs"_s);
        if (clear.open(QIODevice::WriteOnly))
            clear.write("5");
        const qint64 before = statusKilobytes("VmRSS:");
        const QImage shown = showGraph(cells, GraphKind::Segment, 0);
        peakKilobytes = statusKilobytes("VmHWM:") - before;
        benchmark::DoNotOptimize(shown.constBits());
    }
    state.counters["peak_MB"] = double(peakKilobytes) / 1024;
}
BENCHMARK(segmentGraphPeakMemory)->Unit(benchmark::kMillisecond)->Iterations(1);
} // namespace

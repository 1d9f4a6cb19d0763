#include "app/MainWindow.h"
#include "app/MirandelWindows.h"
#include "core/session/NewSession.h"
#include "core/session/TimingSummary.h"
#include "core/session/ValueLists.h"

#include <QMainWindow>
#include <QTest>
#include <benchmark/benchmark.h>

using namespace Qt::Literals::StringLiterals;

namespace {
// 1000 segments of varied times, with a 3-segment loop repeated 4 times in every ten.
void fillLongSession(Session &session)
{
    session.cells.setColumnCount(SessionGrid::MaxSegments);
    for (int c = 0; c < SessionGrid::MaxSegments; ++c) {
        SessionGrid::Column column = newSessionColumn(PulsedSession);
        column[SegmentNumberRow] = QString::number(c + 1);
        column[TimeRow] = ValueLists::TimeList.at(c % ValueLists::TimeList.size());
        const int inTen = c % 10;
        column[LoopSegsRow] = inTen == 2 ? u"3"_s : u"0"_s;
        column[LoopTimesRow] = (inTen >= 2 && inTen <= 4) ? u"4"_s : u"0"_s;
        session.cells.setColumn(c, column);
    }
}

// The summary for another selected segment of unchanged cells: the numbers
// come from what the last summary converted (timingRefreshAfterEdit has an edit).
void timingSummaryOfLongSession(benchmark::State &state)
{
    Session session;
    fillLongSession(session);
    int s = 1;
    for (auto _ : state) {
        TimingSummary summary = computeTimingSummary(session.cells, s);
        benchmark::DoNotOptimize(summary);
        s = s % 1000 + 1;
    }
}
BENCHMARK(timingSummaryOfLongSession);

// The refresh after an edit: one time cell changed, the rest as converted before.
void timingRefreshAfterEdit(benchmark::State &state)
{
    Session session;
    fillLongSession(session);
    const QString times[] = {u"1:30.0"_s, u"2:00.5"_s};
    int edit = 0;
    for (auto _ : state) {
        const int column = (edit * 37) % 1000;
        session.cells.setCell(column, TimeRow, times[edit % 2]);
        TimingSummary summary = computeTimingSummary(session.cells, column + 1);
        benchmark::DoNotOptimize(summary);
        ++edit;
    }
}
BENCHMARK(timingRefreshAfterEdit);

// Program start until the main window is shown, offscreen.
void programStart(benchmark::State &state)
{
    for (auto _ : state) {
        MirandelWindows windows({});
        windows.showAtStart();
        if (!QTest::qWaitForWindowExposed(windows.mainWindow.get()))
            state.SkipWithError("main window not exposed");
    }
}
BENCHMARK(programStart)->Unit(benchmark::kMillisecond);

// The same for a bare Qt Widgets window, in the same process: the reference
// for programStart (bench_startup compares whole processes).
void bareWindowStart(benchmark::State &state)
{
    for (auto _ : state) {
        QMainWindow window;
        window.show();
        if (!QTest::qWaitForWindowExposed(&window))
            state.SkipWithError("window not exposed");
    }
}
BENCHMARK(bareWindowStart)->Unit(benchmark::kMillisecond);
} // namespace

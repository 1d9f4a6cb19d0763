#include "app/MainWindow.h"
#include "app/MirandelWindows.h"
#include "core/session/NewSession.h"
#include "support/SilentPrompter.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QTableView>
#include <benchmark/benchmark.h>
#include <malloc.h>

namespace {
// Confirms every cut; any error would mean the benchmark measures a refusal.
class ConfirmingPrompter : public SilentPrompter
{
public:
    bool confirmOkCancel(const QString &) override { return true; }
};

// The real main window, shown offscreen, holding `segments` segments with
// segment 2 selected.
class EditingWindow
{
public:
    explicit EditingWindow(int segments)
    {
        MainWindow &window = *windows.mainWindow;
        window.setPrompter(prompter);
        Session session;
        session.kind = DualBinauralSession;
        session.cells.setColumn(0, newSessionColumn(DualBinauralSession));
        session.cells.setColumnCount(segments);
        for (int k = 1; k < segments; ++k)
            fillNewSegment(session, k);
        window.document().replace(session, false);
        window.setSessionShown(true);
        window.show();
        window.selectCell({1, 3});
        refresh();
    }

    // Paints what changed, as the next frame would.
    void refresh()
    {
        MainWindow &window = *windows.mainWindow;
        window.sessionTable()->viewport()->repaint();
        window.timingPanel()->viewport()->repaint();
        QApplication::processEvents();
    }

    void insert()
    {
        MainWindow &window = *windows.mainWindow;
        window.runCommand([&window] { window.insertSegment(); });
        refresh();
    }

    void cut()
    {
        MainWindow &window = *windows.mainWindow;
        window.runCommand([&window] { window.cutSegment(); });
        refresh();
    }

    void undo()
    {
        MainWindow &window = *windows.mainWindow;
        window.runCommand([&window] { window.undo(); });
        refresh();
    }

    void redo()
    {
        MainWindow &window = *windows.mainWindow;
        window.runCommand([&window] { window.redo(); });
        refresh();
    }

    int segments() { return windows.mainWindow->session().cells.columnCount(); }

private:
    MirandelWindows windows{QStringList()};
    ConfirmingPrompter prompter;
};

// Insert Segment at segment 2 bringing the session to 1000 segments.
void insertSegment2(benchmark::State &state)
{
    EditingWindow window(999);
    for (auto _ : state) {
        window.insert();
        state.PauseTiming();
        window.cut();
        state.ResumeTiming();
    }
    if (window.segments() != 999)
        state.SkipWithError("the session did not return to 999 segments");
}
BENCHMARK(insertSegment2)->Unit(benchmark::kMillisecond);

// Cut Segment of segment 2 in a 1000-segment session.
void cutSegment2(benchmark::State &state)
{
    EditingWindow window(1000);
    for (auto _ : state) {
        window.cut();
        state.PauseTiming();
        window.insert();
        state.ResumeTiming();
    }
    if (window.segments() != 1000)
        state.SkipWithError("the session did not return to 1000 segments");
}
BENCHMARK(cutSegment2)->Unit(benchmark::kMillisecond);

// Undo, then redo, of Cut Segment 2 in a 1000-segment session, with the
// window's refresh.
void undoCutSegment2(benchmark::State &state)
{
    EditingWindow window(1000);
    window.cut();
    for (auto _ : state) {
        window.undo();
        state.PauseTiming();
        window.redo();
        state.ResumeTiming();
    }
    if (window.segments() != 999)
        state.SkipWithError("the redo did not cut again");
}
BENCHMARK(undoCutSegment2)->Unit(benchmark::kMillisecond);

void redoCutSegment2(benchmark::State &state)
{
    EditingWindow window(1000);
    window.cut();
    window.undo();
    for (auto _ : state) {
        window.redo();
        state.PauseTiming();
        window.undo();
        state.ResumeTiming();
    }
    if (window.segments() != 1000)
        state.SkipWithError("the undo did not bring the segment back");
}
BENCHMARK(redoCutSegment2)->Unit(benchmark::kMillisecond);

// What 1000 undo steps keep: alternating Cut and Insert at segment 2 of a
// 1000-segment session, heap growth reported as a counter.
void undoHistoryMemory(benchmark::State &state)
{
    for (auto _ : state) {
        EditingWindow window(1000);
        const size_t before = mallinfo2().uordblks;
        for (int step = 0; step < 500; ++step) {
            window.cut();
            window.insert();
        }
        state.counters["MB"] = double(mallinfo2().uordblks - before) / (1024.0 * 1024.0);
    }
}
BENCHMARK(undoHistoryMemory)->Unit(benchmark::kMillisecond)->Iterations(1);
} // namespace

#include "app/MainWindow.h"
#include "app/MirandelWindows.h"
#include "session/NewSession.h"
#include "support/SilentPrompter.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QTableView>
#include <benchmark/benchmark.h>

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
        MainWindow &form = *windows.mainWindow;
        form.setPrompter(prompter);
        Session &session = form.session();
        session.kind = DualBinauralSession;
        session.cells.setColumnCount(1);
        session.cells.setColumn(0, newSessionColumn(DualBinauralSession));
        session.cells.setColumnCount(segments);
        for (int k = 1; k < segments; ++k)
            fillNewSegment(session, k);
        form.cellsChanged();
        form.setSessionShown(true);
        form.show();
        form.selectCell({1, 3});
        refresh();
    }

    // Paints what changed, as the next frame would.
    void refresh()
    {
        MainWindow &form = *windows.mainWindow;
        form.sessionTable()->viewport()->repaint();
        form.timingPanel()->viewport()->repaint();
        QApplication::processEvents();
    }

    void insert()
    {
        MainWindow &form = *windows.mainWindow;
        form.runCommand([&form] { form.insertSegment(); });
        refresh();
    }

    void cut()
    {
        MainWindow &form = *windows.mainWindow;
        form.runCommand([&form] { form.cutSegment(); });
        refresh();
    }

    int segments() { return windows.mainWindow->session().cells.columnCount(); }

private:
    MirandelWindows windows{QStringList()};
    ConfirmingPrompter prompter;
};

// Insert Segment at segment 2 bringing the session to 1000 segments.
void BM_InsertSegment2(benchmark::State &state)
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
BENCHMARK(BM_InsertSegment2)->Unit(benchmark::kMillisecond);

// Cut Segment of segment 2 in a 1000-segment session.
void BM_CutSegment2(benchmark::State &state)
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
BENCHMARK(BM_CutSegment2)->Unit(benchmark::kMillisecond);
} // namespace

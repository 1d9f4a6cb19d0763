#include "app/MainWindow.h"
#include "app/MirandelWindows.h"
#include "support/SilentPrompter.h"
#include "support/WalkingSession.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QTableView>
#include <QTest>
#include <benchmark/benchmark.h>

using namespace Qt::Literals::StringLiterals;

namespace {
constexpr int Segments = 1000;

// The real main window, shown offscreen, holding 1000 segments.
class TypingWindow
{
public:
    TypingWindow()
    {
        window.setPrompter(prompter);
        window.document().replace(walkingSession(PulsedSession, Segments), false);
        window.setSessionShown(true);
        window.show();
        window.selectCell({1, StartFreqRow});
        refresh();
    }

    // Paints what changed, as the next frame would.
    void refresh()
    {
        window.sessionTable()->viewport()->repaint();
        window.timingPanel()->viewport()->repaint();
        QApplication::processEvents();
    }

    void press(Qt::Key key, char text = 0)
    {
        QWidget *target = QApplication::focusWidget();
        if (text)
            QTest::keyClick(target, text);
        else
            QTest::keyClick(target, key);
        refresh();
    }

    bool editing() { return QApplication::focusWidget() != window.sessionTable(); }

    void selectRow(int row)
    {
        window.selectCell({0, row});
        QAbstractItemModel *model = window.sessionTable()->model();
        window.sessionTable()->selectionModel()->select(
            QItemSelection(model->index(row, 0), model->index(row, Segments - 1)), QItemSelectionModel::Select);
        refresh();
    }

    MirandelWindows windows{QStringList()};
    MainWindow &window = *windows.mainWindow;
    SilentPrompter prompter;
};

// F2 on a cell of a 1000-segment session until the editor is painted.
void openEditor(benchmark::State &state)
{
    TypingWindow typing;
    for (auto _ : state) {
        typing.press(Qt::Key_F2);
        state.PauseTiming();
        if (!typing.editing())
            state.SkipWithError("no editor opened");
        typing.press(Qt::Key_Escape);
        state.ResumeTiming();
    }
}
BENCHMARK(openEditor)->Unit(benchmark::kMillisecond);

// Enter on a value typed over the 1000 cells of a row, to the repainted
// grid and timing panel; the values alternate so that every Enter changes all.
void applyToThousandCells(benchmark::State &state)
{
    TypingWindow typing;
    typing.selectRow(StartFreqRow);
    bool eight = false;
    for (auto _ : state) {
        state.PauseTiming();
        eight = !eight;
        typing.press(Qt::Key_unknown, eight ? '8' : '9');
        state.ResumeTiming();
        typing.press(Qt::Key_Return);
    }
    const SessionGrid &cells = typing.window.session().cells;
    if (cells.cell(0, StartFreqRow) != cells.cell(Segments - 1, StartFreqRow) || typing.window.readSelection().right != Segments - 1)
        state.SkipWithError("the row did not take the value");
}
BENCHMARK(applyToThousandCells)->Unit(benchmark::kMillisecond);

// A value entered in one time cell, to the repainted grid and timing panel:
// the edit, the check, the timing summary and the paint. The values
// alternate so that every entry changes the cell.
void enterOneCell(benchmark::State &state)
{
    TypingWindow typing;
    const CellPos cell{Segments / 2, TimeRow};
    bool longer = false;
    for (auto _ : state) {
        longer = !longer;
        typing.window.runCommand([&] { typing.window.enterTypedValue(cell, longer ? u"2:00.0"_s : u"1:00.0"_s); });
        typing.refresh();
    }
    if (typing.window.session().cells.cell(cell.column, TimeRow) != (longer ? u"2:00.0"_s : u"1:00.0"_s))
        state.SkipWithError("the cell did not take the value");
}
BENCHMARK(enterOneCell)->Unit(benchmark::kMicrosecond);

// Moving the current cell by a step of 37 segments, with the refresh that
// paints the selection and the timing panel's new lines.
void selectCell(benchmark::State &state)
{
    TypingWindow typing;
    QTableView *table = typing.window.sessionTable();
    int column = 0;
    for (auto _ : state) {
        table->setCurrentIndex(table->model()->index(TimeRow + column % 14, column));
        typing.refresh();
        column = (column + 37) % Segments;
    }
}
BENCHMARK(selectCell)->Unit(benchmark::kMicrosecond);

// Ctrl+Up over the 1000 cells of a row, with the refresh.
void stepThousandCells(benchmark::State &state)
{
    TypingWindow typing;
    typing.selectRow(VolumeRow);
    bool up = false;
    for (auto _ : state) {
        up = !up;
        QTest::keyClick(typing.window.sessionTable(), up ? Qt::Key_Up : Qt::Key_Down, Qt::ControlModifier);
        typing.refresh();
    }
}
BENCHMARK(stepThousandCells)->Unit(benchmark::kMillisecond);
} // namespace

// Segment and value commands of the main window, each one undo step.
#include "app/MainWindow.h"

#include "app/dialogs/GlideDialog.h"
#include "app/dialogs/PreferencesDialog.h"
#include "core/session/GlideAcross.h"
#include "core/session/SplitSegment.h"
#include "core/session/SegmentCommands.h"
#include "core/session/SessionText.h"
#include "core/session/TextPaste.h"
#include "core/session/ValueEntry.h"
#include "core/session/ValueStepping.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QScopeGuard>
#include <QTimer>

void MainWindow::newSegment()
{
    // Also when refused, and when the timing refresh finds a bad number.
    const auto scroll = qScopeGuard([this] { scrollToLastSegment(); });
    ::newSegment(context(), mPreferences.newSegmentContinuesGlide() ? NewSegmentStart::WhereGlideEnded
                                                                    : NewSegmentStart::AsCopied);
}

void MainWindow::glideAcrossSelection()
{
    const CellRange range = readSelection();
    if (range.right <= range.left) {
        mPrompter->error(glideNeedsTwoSegmentsMessage());
        return;
    }
    GlideDialog dialog(this);
    dialog.setGlide(mSession, currentGlide(mSession, range.left, range.right));
    if (dialog.exec() == QDialog::Accepted)
        glideAcross(context(), dialog.glide());
}

void MainWindow::editPreferences()
{
    PreferencesDialog(mPreferences, this).exec();
}

void MainWindow::stepUp()
{
    stepSelectedCell(StepDirection::Up);
}

void MainWindow::stepDown()
{
    stepSelectedCell(StepDirection::Down);
}

// Stepping needs one row: a selection over several rows steps nothing.
void MainWindow::stepSelectedCell(StepDirection direction)
{
    const CellRange range = readSelection();
    if (range.top != range.bottom)
        return;
    stepValue(context(), range.topLeft(), direction);
    focusGrid();
}

void MainWindow::stepSelectionUp()
{
    stepValues(context(), readSelection(), StepDirection::Up);
    focusGrid();
}

void MainWindow::stepSelectionDown()
{
    stepValues(context(), readSelection(), StepDirection::Down);
    focusGrid();
}

void MainWindow::enterTypedValue(const CellPos &cell, const QString &text)
{
    CellRange range = readSelection();
    if (range.top != range.bottom || range.top != cell.row || cell.column < range.left || cell.column > range.right)
        range = {cell.column, cell.row, cell.column, cell.row};
    // Once the editor has gone: a message box must not find it still open.
    QTimer::singleShot(0, this, [this, range, text] { runCommand([&] { enterValue(context(), range, text); }); });
}

void MainWindow::copySegment()
{
    const int column = selectedCell().column;
    ::copySegment(mSession.cells, column, mSegmentClipboard);
    // Also as text, for a spreadsheet or a message.
    QGuiApplication::clipboard()->setText(SessionText::segmentLine(mSession.cells, column));
}

void MainWindow::copySessionText()
{
    QGuiApplication::clipboard()->setText(SessionText::session(mSession.cells));
}

void MainWindow::pasteSegment()
{
    ::pasteSegment(context(), selectedCell().column, mSegmentClipboard);
}

void MainWindow::cutSegment()
{
    ::cutSegment(context(), selectedCell().column, mSegmentClipboard);
}

void MainWindow::insertSegment()
{
    ::insertSegment(context(), selectedCell().column);
}

void MainWindow::splitSegment()
{
    ::splitSegment(context(), selectedCell().column);
}

void MainWindow::pasteText()
{
    ::pasteText(context(), readSelection().left, QGuiApplication::clipboard()->text());
}

// Segment and value commands of the main window, each one undo step.
#include "app/MainWindow.h"

#include "app/SessionSheet.h"
#include "app/dialogs/GlideDialog.h"
#include "app/dialogs/PreferencesDialog.h"
#include "core/session/GlideAcross.h"
#include "core/session/SplitSegment.h"
#include "core/session/SessionText.h"
#include "core/session/ValueStepping.h"

#include <QClipboard>
#include <QGuiApplication>

void MainWindow::glideAcrossSelection()
{
    const CellRange range = mEditor.selection();
    if (range.right <= range.left) {
        prompter().error(glideNeedsTwoSegmentsMessage());
        return;
    }
    GlideDialog dialog(this);
    dialog.setGlide(session(), currentGlide(session(), range.left, range.right));
    if (dialog.exec() == QDialog::Accepted)
        glideAcross(context(), dialog.glide());
}

void MainWindow::editPreferences()
{
    PreferencesDialog(mEditor.preferences(), this).exec();
}

void MainWindow::stepSelectionUp()
{
    mEditor.stepSelection(StepDirection::Up);
    sheet().focusGrid();
}

void MainWindow::stepSelectionDown()
{
    mEditor.stepSelection(StepDirection::Down);
    sheet().focusGrid();
}

void MainWindow::copySegment()
{
    // Also as text, for a spreadsheet or a message.
    QGuiApplication::clipboard()->setText(mEditor.copySegment());
}

void MainWindow::copySessionText()
{
    QGuiApplication::clipboard()->setText(SessionText::session(session().cells));
}

void MainWindow::pasteSegment()
{
    mEditor.pasteSegment();
}

void MainWindow::splitSegment()
{
    ::splitSegment(context(), selectedCell().column);
}

void MainWindow::pasteText()
{
    mEditor.pasteText(QGuiApplication::clipboard()->text());
}

// Undo and redo, and whether unsaved changes are safe.
#include "app/MainWindow.h"

#include <QLabel>
#include <QMenu>
#include <QStatusBar>

using namespace Qt::Literals::StringLiterals;

void MainWindow::createUndoActions()
{
    QAction *first = mEditMenu->actions().value(0);
    mActionUndo = new QAction(tr("&Undo"), this);
    mActionUndo->setShortcut(QKeySequence(u"Ctrl+Z"_s));
    mActionRedo = new QAction(tr("&Redo"), this);
    mActionRedo->setShortcuts({QKeySequence(u"Ctrl+Y"_s), QKeySequence(u"Ctrl+Shift+Z"_s)});
    mEditMenu->insertAction(first, mActionUndo);
    mEditMenu->insertAction(first, mActionRedo);
    mEditMenu->insertSeparator(first);
    connect(mActionUndo, &QAction::triggered, this, [this] { runCommand([this] { undo(); }); });
    connect(mActionRedo, &QAction::triggered, this, [this] { runCommand([this] { redo(); }); });
    updateUndoActions();
}

void MainWindow::updateUndoActions()
{
    const bool shown = isSessionShown();
    const SessionDocument &document = mEditor.document();
    mActionUndo->setEnabled(shown && document.canUndo());
    mActionUndo->setText(document.canUndo() ? tr("&Undo %1").arg(document.undoText()) : tr("&Undo"));
    mActionRedo->setEnabled(shown && document.canRedo());
    mActionRedo->setText(document.canRedo() ? tr("&Redo %1").arg(document.redoText()) : tr("&Redo"));
}

// Stays in the status bar, whatever else it shows, until a copy is written.
void MainWindow::showRecoveryFailure(const QString &reason)
{
    if (reason.isEmpty()) {
        if (mRecoveryFailure)
            mRecoveryFailure->hide();
        return;
    }
    if (!mRecoveryFailure) {
        mRecoveryFailure = new QLabel(this);
        statusBar()->addPermanentWidget(mRecoveryFailure);
    }
    mRecoveryFailure->setText(tr("Unsaved changes could not be kept safe: %1 \u2014 retrying").arg(reason));
    mRecoveryFailure->show();
}

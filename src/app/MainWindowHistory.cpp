// Undo and redo, and the recovery copy that keeps unsaved changes safe.
#include "app/MainWindow.h"

#include "core/files/SessionFileParser.h"
#include "core/files/SessionFileReader.h"
#include "core/files/SessionFileWriter.h"

#include <QMenu>

using namespace Qt::Literals::StringLiterals;

namespace {
constexpr int RecoveryInterval = 30 * 1000;
} // namespace

void MainWindow::createUndoActions()
{
    QAction *first = mEditMenu->actions().value(0);
    mActionUndo = new QAction(u"&Undo"_s, this);
    mActionUndo->setShortcut(QKeySequence(u"Ctrl+Z"_s));
    mActionRedo = new QAction(u"&Redo"_s, this);
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
    mActionUndo->setEnabled(shown && mDocument.canUndo());
    mActionUndo->setText(mDocument.canUndo() ? u"&Undo %1"_s.arg(mDocument.undoText()) : u"&Undo"_s);
    mActionRedo->setEnabled(shown && mDocument.canRedo());
    mActionRedo->setText(mDocument.canRedo() ? u"&Redo %1"_s.arg(mDocument.redoText()) : u"&Redo"_s);
}

void MainWindow::undo()
{
    if (isSessionShown())
        mDocument.undo();
}

void MainWindow::redo()
{
    if (isSessionShown())
        mDocument.redo();
}

void MainWindow::setUpRecovery()
{
    mRecoveryTimer.setSingleShot(true);
    mRecoveryTimer.setInterval(RecoveryInterval);
    connect(&mRecoveryTimer, &QTimer::timeout, this, &MainWindow::writeRecoveryCopy);
    connect(&mDocument, &SessionDocument::historyChanged, this, &MainWindow::scheduleRecoveryCopy);
    connect(&mDocument, &SessionDocument::modifiedChanged, this, [this](bool modified) {
        if (modified) {
            scheduleRecoveryCopy();
        } else {
            mRecoveryTimer.stop();
            mRecoveryCopy.remove();
        }
    });
}

// At most one copy per interval, written from the timer, never from a key.
void MainWindow::scheduleRecoveryCopy()
{
    if (mDocument.isModified() && !mRecoveryTimer.isActive())
        mRecoveryTimer.start();
}

void MainWindow::writeRecoveryCopy()
{
    if (mDocument.isModified())
        mRecoveryCopy.write(mSession.fileName, sessionFileBytes(mSession));
}

bool MainWindow::offerRecovery()
{
    QString asideName;
    const std::optional<RecoveredSession> copy = mRecoveryCopy.read(&asideName);
    if (!copy) {
        if (!asideName.isEmpty())
            mPrompter->error(u"The unsaved changes of the last session could not be read; they were kept in %1."_s.arg(
                asideName));
        return false;
    }
    SessionFileContent content = parseSessionFile(copy->bytes, mSession.kind, *mPrompter);
    if (!mPrompter->confirmYesNo(
            u"Mirandel closed without saving session %1. Restore the unsaved changes?"_s.arg(content.name))) {
        mRecoveryCopy.remove();
        return false;
    }
    showSessionFileContent(context(), std::move(content), copy->path);
    mDocument.markModified();
    return true;
}

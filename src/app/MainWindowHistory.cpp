// Undo and redo, and the recovery copy that keeps unsaved changes safe.
#include "app/MainWindow.h"

#include "core/files/SessionFileParser.h"
#include "core/files/SessionFileReader.h"
#include "core/files/SessionFileWriter.h"

#include <QLabel>
#include <algorithm>
#include <QMenu>
#include <QStatusBar>

using namespace Qt::Literals::StringLiterals;

namespace {
// The first copy after the session became modified comes soon, so that a
// kill or a crash moments after the first edit loses nothing.
constexpr int FirstCopyDelay = 3 * 1000;
} // namespace

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
    mActionUndo->setEnabled(shown && mDocument.canUndo());
    mActionUndo->setText(mDocument.canUndo() ? tr("&Undo %1").arg(mDocument.undoText()) : tr("&Undo"));
    mActionRedo->setEnabled(shown && mDocument.canRedo());
    mActionRedo->setText(mDocument.canRedo() ? tr("&Redo %1").arg(mDocument.redoText()) : tr("&Redo"));
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
    connect(&mRecoveryTimer, &QTimer::timeout, this, &MainWindow::writeRecoveryCopy);
    connect(&mDocument, &SessionDocument::historyChanged, this, &MainWindow::scheduleRecoveryCopy);
    connect(&mDocument, &SessionDocument::modifiedChanged, this, [this](bool modified) {
        if (modified) {
            scheduleRecoveryCopy();
        } else {
            mRecoveryTimer.stop();
            mRecoveryCopy.remove();
            showRecoveryFailure(std::nullopt);
        }
    });
    // The copy tells what the session's file held when the session was
    // read or saved there, so that a restore can see whether it changed.
    const auto takeFingerprint = [this](const QString &path) { mSessionFile = FileFingerprint::of(path); };
    connect(&mDocument, &SessionDocument::saved, this, takeFingerprint);
    connect(&mDocument, &SessionDocument::fileNameChanged, this, takeFingerprint);
}

void MainWindow::setRecoveryFolder(const QString &folder)
{
    mRecoveryCopy = RecoveryCopy(folder);
}

// At most one copy per interval, written from the timer, never from a key.
void MainWindow::scheduleRecoveryCopy()
{
    if (mDocument.isModified() && !mRecoveryTimer.isActive())
        mRecoveryTimer.start(mRecoveryCopy.exists() ? mRecoveryInterval : std::min(mRecoveryInterval, FirstCopyDelay));
}

void MainWindow::writeRecoveryCopy()
{
    if (!mDocument.isModified())
        return;
    const std::optional<QString> failure =
        mRecoveryCopy.write({mSession.fileName, mSessionFile, sessionFileBytes(mSession)});
    showRecoveryFailure(failure);
    if (failure)
        mRecoveryTimer.start(mRecoveryInterval);
}

// Stays in the status bar, whatever else it shows, until a copy is written.
void MainWindow::showRecoveryFailure(const std::optional<QString> &reason)
{
    if (!reason) {
        if (mRecoveryFailure)
            mRecoveryFailure->hide();
        return;
    }
    if (!mRecoveryFailure) {
        mRecoveryFailure = new QLabel(this);
        statusBar()->addPermanentWidget(mRecoveryFailure);
    }
    mRecoveryFailure->setText(tr("Unsaved changes could not be kept safe: %1 \u2014 retrying").arg(*reason));
    mRecoveryFailure->show();
}

// Newest first, as the last session worked on is the likeliest wanted; one
// after another until one is restored. A declined copy is removed; those
// not asked about stay for the next start.
bool MainWindow::offerRecovery()
{
    std::vector<RecoveryCopy> offered; // locked until the end, so none comes twice
    while (std::optional<RecoveryCopy> copy = RecoveryCopy::takeOverLeftBehind(mRecoveryCopy.folder())) {
        offered.push_back(std::move(*copy));
        if (restoreRecoveryCopy(offered.back())) {
            mRecoveryCopy = std::move(offered.back());
            return true;
        }
    }
    return false;
}

bool MainWindow::restoreRecoveryCopy(RecoveryCopy &copy)
{
    QString asideName;
    const std::optional<RecoveredSession> recovered = copy.read(&asideName);
    if (!recovered) {
        if (!asideName.isEmpty())
            mPrompter->error(tr("The unsaved changes of the last session could not be read; they were kept in %1.").arg(
                asideName));
        return false;
    }
    SessionFileContent content = parseSessionFile(recovered->bytes, mSession.kind, *mPrompter);
    if (!mPrompter->confirmYesNo(
            tr("Mirandel closed without saving session %1. Restore the unsaved changes?").arg(content.name))) {
        copy.remove();
        return false;
    }
    showSessionFileContent(context(), std::move(content), recovered->path);
    mDocument.markModified();
    mSessionFile = recovered->file;
    if (!recovered->path.isEmpty() && FileFingerprint::of(recovered->path) != recovered->file) {
        mDocument.guardFile(recovered->path,
                            u"The file %1 was changed or removed since the unsaved changes were kept. Save the "
                            "restored session in its place?"_s.arg(recovered->path));
    }
    return true;
}

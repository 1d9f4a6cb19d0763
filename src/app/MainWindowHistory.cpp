// Undo and redo, and the recovery copy that keeps unsaved changes safe.
#include "app/MainWindow.h"

#include "core/files/SessionFileParser.h"
#include "core/files/SessionFileReader.h"
#include "core/files/SessionFileWriter.h"

#include <QLabel>
#include <QMenu>
#include <QStatusBar>

using namespace Qt::Literals::StringLiterals;

namespace {
constexpr int RecoveryInterval = 30 * 1000;
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
    const SessionDocument &document = mEditor.document();
    mActionUndo->setEnabled(shown && document.canUndo());
    mActionUndo->setText(document.canUndo() ? tr("&Undo %1").arg(document.undoText()) : tr("&Undo"));
    mActionRedo->setEnabled(shown && document.canRedo());
    mActionRedo->setText(document.canRedo() ? tr("&Redo %1").arg(document.redoText()) : tr("&Redo"));
}

void MainWindow::setUpRecovery()
{
    mRecoveryTimer.setSingleShot(true);
    mRecoveryTimer.setInterval(RecoveryInterval);
    connect(&mRecoveryTimer, &QTimer::timeout, this, &MainWindow::writeRecoveryCopy);
    connect(&document(), &SessionDocument::historyChanged, this, &MainWindow::scheduleRecoveryCopy);
    connect(&document(), &SessionDocument::modifiedChanged, this, [this](bool modified) {
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
    connect(&document(), &SessionDocument::saved, this, takeFingerprint);
    connect(&document(), &SessionDocument::fileNameChanged, this, takeFingerprint);
}

void MainWindow::setRecoveryFolder(const QString &folder)
{
    mRecoveryCopy = RecoveryCopy(folder);
}

// At most one copy per interval, written from the timer, never from a key.
void MainWindow::scheduleRecoveryCopy()
{
    if (document().isModified() && !mRecoveryTimer.isActive())
        mRecoveryTimer.start();
}

void MainWindow::writeRecoveryCopy()
{
    if (!document().isModified())
        return;
    const std::optional<QString> failure =
        mRecoveryCopy.write({session().fileName, mSessionFile, sessionFileBytes(session())});
    showRecoveryFailure(failure);
    if (failure)
        mRecoveryTimer.start();
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
            prompter().error(tr("The unsaved changes of the last session could not be read; they were kept in %1.").arg(
                asideName));
        return false;
    }
    SessionFileContent content = parseSessionFile(recovered->bytes, session().kind, prompter());
    if (!prompter().confirmYesNo(
            tr("Mirandel closed without saving session %1. Restore the unsaved changes?").arg(content.name))) {
        copy.remove();
        return false;
    }
    showSessionFileContent(context(), std::move(content), recovered->path);
    document().markModified();
    mSessionFile = recovered->file;
    if (!recovered->path.isEmpty() && FileFingerprint::of(recovered->path) != recovered->file) {
        document().guardFile(recovered->path,
                            u"The file %1 was changed or removed since the unsaved changes were kept. Save the "
                            "restored session in its place?"_s.arg(recovered->path));
    }
    return true;
}

// File commands and the session name and description dialogs.
#include "app/MainWindow.h"
#include "app/MirandelWindows.h"
#include "app/RecentFilesMenu.h"
#include "files/FileCommands.h"
#include "files/forms/SessionDescriptionDialog.h"
#include "files/forms/SessionNameDialog.h"

#include <QFileDialog>
#include <QFileInfo>
#include <utility>

using namespace Qt::Literals::StringLiterals;

void MainWindow::openStartupFile()
{
    // A session restored from its recovery copy is not replaced unasked.
    if (!std::exchange(mRecoveryOffered, true) && offerRecovery()) {
        mStartupFileName.clear();
        return;
    }
    if (FileCommands::openStartupFile(context(), mStartupFileName))
        mDocument.startAfresh();
}

void MainWindow::openFile()
{
    takeOpenedFile(FileCommands::openFile(context()));
}

void MainWindow::takeOpenedFile(bool read)
{
    if (read)
        mDocument.startAfresh();
    else
        adoptModifiedFlag();
}

void MainWindow::saveFile()
{
    FileCommands::saveFile(context());
    adoptModifiedFlag();
}

void MainWindow::saveFileAs()
{
    FileCommands::saveFileAs(context());
    adoptModifiedFlag();
}

void MainWindow::renameSession()
{
    EditStep step{u"Name Session"_s, selectedCell()};
    step.showsCaption = true;
    mDocument.edit(step, [this] { FileCommands::renameSession(context()); });
}

void MainWindow::editDescription()
{
    mDocument.edit({u"Session Description"_s, selectedCell()}, [this] { FileCommands::editDescription(context()); });
}

bool MainWindow::maybeSave()
{
    const bool noChangeLeft = FileCommands::maybeSave(context());
    adoptModifiedFlag();
    return noChangeLeft;
}

void MainWindow::adoptModifiedFlag()
{
    // Saved, or changes the user chose to drop; a cancelled Save As marks the
    // session modified as it stands.
    if (mSession.modified == 0 && mDocument.isModified())
        mDocument.markSaved();
    else if (mSession.modified != 0 && !mDocument.isModified())
        mDocument.markModified();
}

void MainWindow::openNamedFile(const QString &path)
{
    runCommand([this, path] { takeOpenedFile(FileCommands::openNamedFile(context(), path)); });
}

void MainWindow::openRecentFile(const QString &path)
{
    runCommand([this, path] {
        takeOpenedFile(FileCommands::openNamedFile(context(), path));
        if (!QFileInfo::exists(path))
            mRecentFilesMenu->removeFile(path);
    });
}

void MainWindow::fileOpenedOrSaved(const QString &path)
{
    mRecentFilesMenu->addFile(path);
}

// The file dialogs, set up afresh each time.
QString MainWindow::runFileDialog(const FileDialogRequest &request, bool forSaving)
{
    // "Description|*.EXT" becomes Qt's "Description (*.EXT)".
    const QStringList filterParts = request.filter.split(u'|');
    QFileDialog dialog(this, request.title);
    dialog.setAcceptMode(forSaving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setNameFilter(u"%1 (%2)"_s.arg(filterParts.value(0), filterParts.value(1)));
    dialog.setDefaultSuffix(request.defaultExtension);
    if (!request.initialFileName.isEmpty()) {
        dialog.setDirectory(QFileInfo(request.initialFileName).absolutePath());
        dialog.selectFile(request.initialFileName);
    }
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.selectedFiles().value(0);
}

QString MainWindow::askOpenFileName(const FileDialogRequest &request)
{
    return runFileDialog(request, false);
}

QString MainWindow::askSaveFileName(const FileDialogRequest &request)
{
    return runFileDialog(request, true);
}

std::optional<QString> MainWindow::askSessionName(const QString &entry)
{
    SessionNameDialog &dialog = *mWindows.sessionNameDialog;
    dialog.setName(entry);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.name();
}

SessionDescriptionAnswer MainWindow::askSessionDescription(const QStringList &lines)
{
    SessionDescriptionDialog &dialog = *mWindows.sessionDescriptionDialog;
    dialog.setLines(lines);
    SessionDescriptionAnswer answer;
    answer.accepted = dialog.exec() == QDialog::Accepted;
    answer.changed = dialog.isChanged();
    answer.lines = dialog.lines();
    return answer;
}

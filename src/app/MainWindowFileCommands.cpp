// File commands and the session name and description dialogs.
#include "app/MainWindow.h"
#include "app/MirandelWindows.h"
#include "app/RecentFilesMenu.h"
#include "core/files/FileCommands.h"
#include "app/dialogs/SessionDescriptionDialog.h"
#include "app/dialogs/SessionNameDialog.h"
#include "app/dialogs/SessionKindDialog.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QScopeGuard>
#include <utility>

using namespace Qt::Literals::StringLiterals;

void MainWindow::openStartupFile()
{
    // A session restored from its recovery copy is not replaced unasked.
    if (!std::exchange(mRecoveryOffered, true) && offerRecovery()) {
        mStartupFileName.clear();
        return;
    }
    FileCommands::openStartupFile(context(), mStartupFileName);
}

void MainWindow::openFile()
{
    FileCommands::openFile(context());
}

void MainWindow::saveFile()
{
    confirmSaving([this] { FileCommands::saveFile(context()); });
}

void MainWindow::saveFileAs()
{
    confirmSaving([this] { FileCommands::saveFileAs(context()); });
}

void MainWindow::confirmSaving(const std::function<void()> &command)
{
    // The document says "saved" after a read as well: only this command's count.
    const QMetaObject::Connection written = connect(&mDocument, &SessionDocument::saved, this, [this](const QString &path) {
        showConfirmation(
            tr("Saved %1, %2").arg(QFileInfo(path).fileName(), segmentCountText(mSession.cells.columnCount())));
    });
    const auto disconnect = qScopeGuard([written] { QObject::disconnect(written); });
    command();
}

void MainWindow::renameSession()
{
    FileCommands::renameSession(context());
    // Named or not, the caption shows the name in round brackets.
    setWindowTitle(sessionCaption(mSession.name, false));
}

void MainWindow::editDescription()
{
    FileCommands::editDescription(context());
}

bool MainWindow::maybeSave()
{
    return FileCommands::maybeSave(context());
}

void MainWindow::openNamedFile(const QString &path)
{
    runCommand([this, path] { FileCommands::openNamedFile(context(), path); });
}

void MainWindow::openRecentFile(const QString &path)
{
    runCommand([this, path] {
        openFileOfAnyFormat(path);
        if (!QFileInfo::exists(path))
            mRecentFilesMenu->removeFile(path);
    });
}

SessionKind MainWindow::askSessionKind()
{
    return mWindows.sessionKindDialog->exec() == SessionKindDialog::ResultNo ? PulsedSession : DualBinauralSession;
}

// The file dialogs, set up afresh each time.
QString MainWindow::runFileDialog(const FileDialogRequest &request, bool forSaving)
{
    // "Description|*.A;*.B" pairs become Qt's "Description (*.A *.B)".
    const QStringList filterParts = request.filter.split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < filterParts.size(); i += 2)
        filters.append(u"%1 (%2)"_s.arg(filterParts.at(i), QString(filterParts.at(i + 1)).replace(u';', u' ')));
    QFileDialog dialog(this, request.title);
    dialog.setAcceptMode(forSaving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.confirmsOverwrite);
    dialog.setNameFilters(filters);
    dialog.setDefaultSuffix(request.defaultExtension);
    if (forSaving && filters.size() > 1) {
        // The type chosen gives the extension added to a bare name.
        connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog, filters, filterParts](const QString &filter) {
            const QString patterns = filterParts.value(2 * filters.indexOf(filter) + 1);
            dialog.setDefaultSuffix(patterns.section(u';', 0, 0).section(u'.', 1));
        });
    }
    if (QFileInfo(request.initialFileName).isDir()) {
        dialog.setDirectory(request.initialFileName);
    } else if (!request.initialFileName.isEmpty()) {
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

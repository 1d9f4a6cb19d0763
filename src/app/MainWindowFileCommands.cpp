// File commands.
#include "app/MainWindow.h"
#include "app/RecentFilesMenu.h"
#include "core/files/FileCommands.h"

#include <QFileInfo>
#include <QScopeGuard>
#include <utility>

using namespace Qt::Literals::StringLiterals;

void MainWindow::openStartupFile()
{
    // A session restored from its recovery copy is not replaced unasked.
    if (!std::exchange(mRecoveryOffered, true) && mRecovery.offerLeftBehind(context())) {
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
    const QMetaObject::Connection written = connect(&document(), &SessionDocument::saved, this, [this](const QString &path) {
        showConfirmation(
            tr("Saved %1, %2").arg(QFileInfo(path).fileName(), segmentCountText(session().cells.columnCount())));
    });
    const auto disconnect = qScopeGuard([written] { QObject::disconnect(written); });
    command();
}

void MainWindow::renameSession()
{
    FileCommands::renameSession(context());
    // Named or not, the caption shows the name in round brackets.
    setWindowTitle(sessionCaption(session().name, false));
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

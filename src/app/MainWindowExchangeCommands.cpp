// File > Import and File > Export Session As: other programs' schedules.
#include "app/MainWindow.h"
#include "app/RecentFilesMenu.h"
#include "app/dialogs/LossReportDialog.h"
#include "core/exchange/SessionFormats.h"
#include "core/exchange/ImportLength.h"
#include "core/files/SafeFileWriter.h"

#include <QFileInfo>

using namespace Qt::Literals::StringLiterals;

namespace {
LossReportDialog::Grouping groupingOf(FileFormat::Losses losses)
{
    switch (losses) {
    case FileFormat::Losses::ByRow:
        return LossReportDialog::ByRow;
    case FileFormat::Losses::ByChange:
        return LossReportDialog::ByChange;
    default:
        return LossReportDialog::BySourceLine;
    }
}
} // namespace

void MainWindow::importSession()
{
    if (!maybeSave())
        return;
    // Where the session shown lies, or the current folder.
    const QString folder = QFileInfo(session().fileName).absolutePath();
    const QString path = context().dialogs.askOpenFileName({tr("Import"), SessionFormats::importFilter(), {}, folder});
    if (!path.isEmpty())
        importFile(path);
}

void MainWindow::openFileOfAnyFormat(const QString &path)
{
    if (SessionFormats::sessionFile().matches(path)) {
        openNamedFile(path);
    } else if (maybeSave()) {
        importFile(path);
    }
}

void MainWindow::importFile(const QString &path)
{
    const QString fileName = QFileInfo(path).fileName();
    const QList<FileFormat> formats = SessionFormats::importable();
    const std::optional<FileFormat> format = SessionFormats::formatOf(path, formats);
    if (!format) {
        prompter().error(tr("Cannot import %1: %2")
                             .arg(fileName, tr("not a file to import: %1").arg(SessionFormats::extensionList(formats))));
        return;
    }
    SessionImport imported = format->import(path);
    if (imported.session && imported.openLength > 0) {
        const std::optional<double> length = askImportLength(prompter(), fileName, imported.openLength);
        if (!length)
            return;
        imported = format->import(path, {*length});
    }
    if (!imported.session) {
        prompter().error(tr("Cannot import %1: %2").arg(fileName, imported.error));
        return;
    }
    if (!imported.notes.isEmpty()) {
        LossReportDialog report(tr("Import"),
                                tr("%1 holds what a session cannot; the session leaves it out:").arg(fileName),
                                tr("&Import"), imported.notes, groupingOf(format->importLosses),
                                rowLabels(imported.session->kind), this);
        if (report.exec() != QDialog::Accepted)
            return;
    }
    const int segments = imported.session->cells.columnCount();
    document().replace(std::move(*imported.session), true);
    mRecentFilesMenu->addFile(QFileInfo(path).absoluteFilePath());
    showConfirmation(tr("Imported %1, %2").arg(fileName, segmentCountText(segments)));
}

void MainWindow::exportSession()
{
    const QList<FileFormat> formats = SessionFormats::exportable();
    const QFileInfo sessionFile(session().fileName);
    FileDialogRequest request{tr("Export Session As"), SessionFormats::exportFilter(), formats.first().extensions.first(),
                              {}};
    if (!session().fileName.isEmpty())
        request.initialFileName = sessionFile.absolutePath() + u'/' + sessionFile.completeBaseName();
    request.confirmsOverwrite = true;
    const QString path = context().dialogs.askSaveFileName(request);
    if (path.isEmpty())
        return;
    const std::optional<FileFormat> format = SessionFormats::formatOf(path, formats);
    if (!format) {
        prompter().error(tr("Sessions are exported to %1 files").arg(SessionFormats::extensionList(formats)));
        return;
    }
    const SessionExport exported = format->exportTo(session());
    const QString fileName = QFileInfo(path).fileName();
    if (!exported.losses.isEmpty()) {
        LossReportDialog report(tr("Export Session As"),
                                tr("%1 cannot hold everything the session plays. These rows are left out:").arg(fileName),
                                tr("&Export"), exported.losses, groupingOf(format->exportLosses),
                                rowLabels(session().kind), this);
        if (report.exec() != QDialog::Accepted)
            return;
    }
    if (const std::optional<FileWriteFailure> failure = writeFileSafely(path, exported.bytes)) {
        prompter().errorWithDetails(tr("Cannot write %1").arg(fileName), failure->reason);
        return;
    }
    showConfirmation(tr("Exported %1").arg(fileName));
}

// File > Import and File > Export Session As: other programs' schedules.
#include "app/MainWindow.h"
#include "app/dialogs/LossReportDialog.h"
#include "core/exchange/ImportLength.h"
#include "core/exchange/SessionExchange.h"
#include "core/files/SafeFileWriter.h"

#include <QFileDialog>
#include <QFileInfo>

using namespace Qt::Literals::StringLiterals;

void MainWindow::importSession()
{
    if (!maybeSave())
        return;
    const QString path = QFileDialog::getOpenFileName(
        this, tr("Import"), QFileInfo(mSession.fileName).absolutePath(),
        tr("Schedules and cells (*.sbg *.gnaural *.tsv *.txt);;SBaGen schedules (*.sbg);;Gnaural schedules "
           "(*.gnaural);;Cells as text (*.tsv *.txt)"));
    if (path.isEmpty())
        return;
    const QString fileName = QFileInfo(path).fileName();
    SessionImport imported = importSessionFile(path);
    if (imported.session && imported.openLength > 0) {
        const std::optional<double> length = askImportLength(*mPrompter, fileName, imported.openLength);
        if (!length)
            return;
        imported = importSessionFile(path, {*length});
    }
    if (!imported.session) {
        mPrompter->error(tr("Cannot import %1: %2").arg(fileName, imported.error));
        return;
    }
    if (!imported.notes.isEmpty()) {
        LossReportDialog report(tr("Import"),
                                tr("%1 holds what a session cannot; the session leaves it out:").arg(fileName),
                                tr("&Import"), imported.notes, LossReportDialog::ByChange,
                                rowLabels(imported.session->kind), this);
        if (report.exec() != QDialog::Accepted)
            return;
    }
    const int segments = imported.session->cells.columnCount();
    mDocument.replace(std::move(*imported.session), true);
    showConfirmation(tr("Imported %1, %2").arg(fileName, segmentCountText(segments)));
}

void MainWindow::exportSession()
{
    QFileDialog dialog(this, tr("Export Session As"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters({tr("SBaGen schedules (*.sbg)"), tr("Gnaural schedules (*.gnaural)")});
    dialog.setDefaultSuffix(u"sbg"_s);
    connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString &filter) {
        dialog.setDefaultSuffix(filter.contains(u".gnaural"_s) ? u"gnaural"_s : u"sbg"_s);
    });
    if (!mSession.fileName.isEmpty()) {
        dialog.setDirectory(QFileInfo(mSession.fileName).absolutePath());
        dialog.selectFile(QFileInfo(mSession.fileName).completeBaseName());
    }
    if (dialog.exec() != QDialog::Accepted)
        return;
    const QString path = dialog.selectedFiles().value(0);
    const ExchangeFormat format = exchangeFormatOf(path);
    if (format != ExchangeFormat::Sbg && format != ExchangeFormat::Gnaural) {
        mPrompter->error(tr("Sessions are exported to .sbg or .gnaural files"));
        return;
    }
    const SessionExport exported = ::exportSession(mSession, format);
    const QString fileName = QFileInfo(path).fileName();
    if (!exported.losses.isEmpty()) {
        LossReportDialog report(tr("Export Session As"),
                                tr("%1 cannot hold everything the session plays. These rows are left out:").arg(fileName),
                                tr("&Export"), exported.losses, LossReportDialog::ByRow, rowLabels(mSession.kind), this);
        if (report.exec() != QDialog::Accepted)
            return;
    }
    if (const std::optional<FileWriteFailure> failure = writeFileSafely(path, exported.bytes)) {
        mPrompter->errorWithDetails(tr("Cannot write %1").arg(fileName), failure->reason);
        return;
    }
    showConfirmation(tr("Exported %1").arg(fileName));
}

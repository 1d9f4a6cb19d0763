#include "app/QtSessionDialogs.h"

#include "app/MirandelWindows.h"
#include "app/dialogs/SessionDescriptionDialog.h"
#include "app/dialogs/SessionKindDialog.h"
#include "app/dialogs/SessionNameDialog.h"

#include <QFileDialog>
#include <QFileInfo>

using namespace Qt::Literals::StringLiterals;

QtSessionDialogs::QtSessionDialogs(MirandelWindows &windows, QWidget *parent)
    : mWindows(windows), mParent(parent)
{
}

SessionKind QtSessionDialogs::askSessionKind()
{
    return mWindows.sessionKindDialog->exec() == SessionKindDialog::ResultNo ? PulsedSession : DualBinauralSession;
}

QString QtSessionDialogs::runFileDialog(const FileDialogRequest &request, bool forSaving)
{
    // "Description|*.A;*.B" pairs become Qt's "Description (*.A *.B)".
    const QStringList filterParts = request.filter.split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < filterParts.size(); i += 2)
        filters.append(u"%1 (%2)"_s.arg(filterParts.at(i), QString(filterParts.at(i + 1)).replace(u';', u' ')));
    QFileDialog dialog(mParent, request.title);
    dialog.setAcceptMode(forSaving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.confirmsOverwrite);
    dialog.setNameFilters(filters);
    dialog.setDefaultSuffix(request.defaultExtension);
    if (forSaving && filters.size() > 1) {
        // The type chosen gives the extension added to a bare name.
        QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog, filters, filterParts](const QString &filter) {
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

QString QtSessionDialogs::askOpenFileName(const FileDialogRequest &request)
{
    return runFileDialog(request, false);
}

QString QtSessionDialogs::askSaveFileName(const FileDialogRequest &request)
{
    return runFileDialog(request, true);
}

std::optional<QString> QtSessionDialogs::askSessionName(const QString &entry)
{
    SessionNameDialog &dialog = *mWindows.sessionNameDialog;
    dialog.setName(entry);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.name();
}

SessionDescriptionAnswer QtSessionDialogs::askSessionDescription(const QStringList &lines)
{
    SessionDescriptionDialog &dialog = *mWindows.sessionDescriptionDialog;
    dialog.setLines(lines);
    SessionDescriptionAnswer answer;
    answer.accepted = dialog.exec() == QDialog::Accepted;
    answer.changed = dialog.isChanged();
    answer.lines = dialog.lines();
    return answer;
}

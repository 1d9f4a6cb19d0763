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
    // "Description|*.EXT" becomes Qt's "Description (*.EXT)".
    const QStringList filterParts = request.filter.split(u'|');
    QFileDialog dialog(mParent, request.title);
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

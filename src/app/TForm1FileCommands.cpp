// File commands and the session name and description dialogs.
#include "app/MirandelWindows.h"
#include "app/TForm1.h"
#include "files/FileCommands.h"
#include "files/forms/TForm5.h"
#include "files/forms/TForm9.h"

#include <QFileDialog>
#include <QFileInfo>

using namespace Qt::Literals::StringLiterals;

void TForm1::FormActivate()
{
    FileCommands::FormActivate(context(), StartupFileName);
}

void TForm1::Open1Click()
{
    FileCommands::Open1Click(context());
}

void TForm1::Save1Click()
{
    FileCommands::Save1Click(context());
}

void TForm1::SaveasClick()
{
    FileCommands::SaveasClick(context());
}

void TForm1::Name1Click()
{
    FileCommands::Name1Click(context());
}

void TForm1::SessionDescription1Click()
{
    FileCommands::SessionDescription1Click(context());
}

bool TForm1::FormCloseQuery()
{
    return FileCommands::FormCloseQuery(context());
}

// The file dialogs, set up afresh each time.
QString TForm1::runFileDialog(const FileDialogRequest &request, bool forSaving)
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

QString TForm1::askOpenFileName(const FileDialogRequest &request)
{
    return runFileDialog(request, false);
}

QString TForm1::askSaveFileName(const FileDialogRequest &request)
{
    return runFileDialog(request, true);
}

std::optional<QString> TForm1::askSessionName(const QString &entry)
{
    TForm5 &dialog = *mWindows.Form5;
    dialog.SessionNameEntry = entry;
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.SessionNameEntry;
}

SessionDescriptionAnswer TForm1::askSessionDescription(const QStringList &lines)
{
    TForm9 &dialog = *mWindows.Form9;
    dialog.setLines(lines);
    SessionDescriptionAnswer answer;
    answer.accepted = dialog.exec() == QDialog::Accepted;
    answer.changed = dialog.isChanged();
    answer.lines = dialog.lines();
    return answer;
}

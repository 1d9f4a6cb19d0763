#pragma once

#include "core/session/SessionDialogs.h"

class QWidget;
struct MirandelWindows;

// The session dialogs as the program shows them: the file dialogs, set up
// afresh each time, and the program's session type, name and description
// dialogs.
class QtSessionDialogs : public SessionDialogs
{
public:
    QtSessionDialogs(MirandelWindows &windows, QWidget *parent);

    SessionKind askSessionKind() override;
    QString askOpenFileName(const FileDialogRequest &request) override;
    QString askSaveFileName(const FileDialogRequest &request) override;
    std::optional<QString> askSessionName(const QString &entry) override;
    SessionDescriptionAnswer askSessionDescription(const QStringList &lines) override;

private:
    QString runFileDialog(const FileDialogRequest &request, bool forSaving);

    MirandelWindows &mWindows;
    QWidget *mParent;
};

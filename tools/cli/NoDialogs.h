#pragma once

#include "core/session/SessionDialogs.h"

// Nobody to ask on the command line: every dialog is cancelled.
class NoDialogs : public SessionDialogs
{
public:
    SessionKind askSessionKind() override { return PulsedSession; }
    QString askOpenFileName(const FileDialogRequest &) override { return {}; }
    QString askSaveFileName(const FileDialogRequest &) override { return {}; }
    std::optional<QString> askSessionName(const QString &) override { return std::nullopt; }
    SessionDescriptionAnswer askSessionDescription(const QStringList &) override { return {}; }
};

#pragma once

#include "session/SessionView.h"

// A window that is not there: the command line reads and writes sessions
// without showing them.
class HeadlessView : public SessionView
{
public:
    void cellsChanged() override {}
    void setSessionShown(bool) override {}
    void setCaption(const QString &) override {}
    void selectCell(const CellPos &) override {}
    void focusGrid() override {}
    void scrollToLastSegment() override {}
    SessionKind askSessionKind() override { return PulsedSession; }
    // Nobody to ask: every dialog is cancelled.
    QString askOpenFileName(const FileDialogRequest &) override { return {}; }
    QString askSaveFileName(const FileDialogRequest &) override { return {}; }
    std::optional<QString> askSessionName(const QString &) override { return std::nullopt; }
    SessionDescriptionAnswer askSessionDescription(const QStringList &) override { return {}; }

protected:
    void timingChanged() override {}
};

#pragma once

#include "core/session/SessionKind.h"

#include <QStringList>
#include <optional>

// What a file dialog is set up with each time it runs.
struct FileDialogRequest
{
    QString title;
    QString filter;           // "Description|*.EXT", or pairs of them: "All|*.a;*.b|A|*.a|B|*.b"
    QString defaultExtension; // added to a name typed without one
    QString initialFileName;  // or a folder to start in
    bool confirmsOverwrite = false; // the save dialog asks before an existing file is chosen
};

// How the Session Description dialog was closed.
struct SessionDescriptionAnswer
{
    bool accepted = false; // OK rather than Cancel
    bool changed = false;  // the text was edited while the dialog was open
    QStringList lines;     // the text, one entry per line
};

// The program's own dialogs that the session commands open. The main window
// implements them with its windows; tests answer them from a script.
class SessionDialogs
{
public:
    virtual ~SessionDialogs() = default;

    // The New Session Type dialog: the SessionKind chosen.
    virtual SessionKind askSessionKind() = 0;
    // The open and save dialogs: the path chosen, empty when cancelled. The
    // save dialog asks about overwriting only when the request says so.
    virtual QString askOpenFileName(const FileDialogRequest &request) = 0;
    virtual QString askSaveFileName(const FileDialogRequest &request) = 0;
    // Enter Session Name, showing entry: the name taken back with OK,
    // nothing after Cancel.
    virtual std::optional<QString> askSessionName(const QString &entry) = 0;
    // Session Description, showing lines.
    virtual SessionDescriptionAnswer askSessionDescription(const QStringList &lines) = 0;
};

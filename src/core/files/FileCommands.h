#pragma once

#include <QString>

struct SessionContext;

// File > Open, Save and Save As, the modified-session prompt, the file named
// on the command line, and the name and description dialogs.
namespace FileCommands {
// "Session %s has been modified. Save it?": Yes runs Save As, No drops the
// changes. True when no unsaved change remains afterwards, so that New and
// Open, like closing the window, stop when a Save As was cancelled or refused.
bool maybeSave(const SessionContext &context);
// Writes the session to its file; Save As when it has none yet.
void saveFile(const SessionContext &context);
// Overwrites no file but the session's own.
void saveFileAs(const SessionContext &context);
// True when a file was read into the session.
bool openFile(const SessionContext &context);
// Open for a file chosen without the dialog (dropped on the window, picked
// from Recent Files): "No Such File" when it is gone, otherwise the save
// prompt and the file. True when the file was read into the session.
bool openNamedFile(const SessionContext &context, const QString &path);
// Reads the command-line file once, without a prompt; startupFileName is
// emptied first, so a report shown meanwhile cannot make it read again.
// True when a file was read.
bool openStartupFile(const SessionContext &context, QString &startupFileName);
// Enter Session Name and Session Description, each one undo step.
void renameSession(const SessionContext &context);
void editDescription(const SessionContext &context);
} // namespace FileCommands

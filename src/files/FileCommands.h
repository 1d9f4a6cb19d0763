#pragma once

#include <QString>

struct SessionContext;

// File > Open, Save and Save As, the modified-session prompt, the file named
// on the command line, the close query, and the name and description dialogs.
namespace FileCommands {
// "Session %s has been modified. Save it?": Yes runs Save As, No drops the
// changes. True when no unsaved change remains afterwards, so that New and
// Open, like closing, stop when a Save As was cancelled or refused.
bool QuerySaveModified(const SessionContext &context);
// Writes the session to its file; Save As when it has none yet.
void Save1Click(const SessionContext &context);
// Overwrites no file but the session's own.
void SaveasClick(const SessionContext &context);
void Open1Click(const SessionContext &context);
// Reads the command-line file once, without a prompt; startupFileName is
// emptied first, so a report shown meanwhile cannot make it read again.
void FormActivate(const SessionContext &context, QString &startupFileName);
// The main window may close: no unsaved change remains after the prompt.
bool FormCloseQuery(const SessionContext &context);
void Name1Click(const SessionContext &context);
void SessionDescription1Click(const SessionContext &context);
} // namespace FileCommands

#pragma once

#include <QByteArray>

class Prompter;
struct Session;

// The session's file as bytes: the name line, one TAB-terminated line of 16
// fields per segment, the description lines, each line ended by CR LF.
QByteArray sessionFileBytes(const Session &session);

// Writes the session to its file name, which must not be empty. The text
// goes to a temporary file that replaces the old file only once it is
// complete, so a save that fails leaves the file that was there. On failure
// reports "Cannot create file", "Stream write error" (with the file and the
// system's reason as details), or that no temporary file can be made beside
// the file (it is then not written at all). The session's beds go into their
// own file beside it.
bool writeSessionFile(const Session &session, Prompter &prompter);

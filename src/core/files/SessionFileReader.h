#pragma once

#include <QString>

struct SessionContext;
struct SessionFileContent;

// Reads the session file at path into the document in place of its session,
// not modified, as a session that matches its file. False when the file
// cannot be opened or holds no line a session has (no name or description
// line, no segment line whose time reads: a text or other file by the
// wrong name): that is reported and nothing has changed. Faulty content
// is reported ("Format errors in file") but still gives a complete session,
// whose file Save then replaces only after a yes.
bool readSessionFile(const SessionContext &context, const QString &path);

// Puts content read from path in place of the document's session, as a
// read does once its messages are out.
void showSessionFileContent(const SessionContext &context, SessionFileContent content, const QString &path);

#pragma once

#include <QString>

struct SessionContext;
struct SessionFileContent;

// Reads the session file at path into the session and shows it: grid and
// labels, timing for segment 1, the caption with square brackets, the
// selection on segment 1's time, not modified. False when the file
// cannot be opened: that is reported and nothing has changed. Faulty content
// is reported ("Format errors in file") but still gives a complete session.
bool readSessionFile(const SessionContext &context, const QString &path);

// Shows content read from path as the session, as a read does once its
// messages are out.
void showSessionFileContent(const SessionContext &context, SessionFileContent content, const QString &path);

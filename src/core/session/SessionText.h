#pragma once

#include <QString>
#include <QStringList>

class SessionGrid;

// Segments as plain text for the system clipboard: one line per segment, its
// 15 cell texts (rows 0 to 14) joined by TAB, so that a spreadsheet or a
// message takes them as they are.
namespace SessionText {
QString segmentLine(const SessionGrid &grid, int column);
// Every segment's line, each ended by a line break.
QString session(const SessionGrid &grid);
} // namespace SessionText

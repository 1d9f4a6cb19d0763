#pragma once

#include <QString>
#include <optional>

class Prompter;
class SessionGrid;
struct SessionContext;

// The two loop rows are not stepped: they open a small dialog instead. Both
// act on segment (column) k and keep the loop encoding of rows 13
// and 14 consistent whatever the user enters. A dialog that shows marks
// the session modified, even when its answer changes nothing.

// Loop Segs: asks for the loop length (0 to 15) starting at the segment;
// 0 removes the loop. Refuses a segment inside another loop, a loop that
// would reach the last segment, and a loop that would swallow another.
// False when refused before the dialog; otherwise one undo step that
// refreshes the timing at the segment.
bool enterLoopSegs(const SessionContext &context, int k);

// Loop Times: asks for the repeat count (2 to 15) of the loop starting at
// the segment. False when the segment starts no loop.
bool enterLoopTimes(const SessionContext &context, int k);

// The parts of the dialogs that a typed value goes through as well.
// Why the loop row of segment k takes no entry ("In Existing loop", "Not at
// loop start"); empty when it does.
QString loopEntryRefusal(const SessionGrid &cells, int k, int row);
// The entry in text, limited to the row's range as the dialogs limit it;
// nothing when it is not an integer.
std::optional<int> loopEntryValue(int row, const QString &text);
// What the row takes, said when a text is not an integer.
QString loopEntryNeeded(int row);
// The answer m to the Loop Segs dialog, with its checks and messages.
void setLoopSegs(SessionGrid &cells, int k, int m, Prompter &prompter);
// The answer t to the Loop Times dialog.
void setLoopTimes(SessionGrid &cells, int k, int t);

// What the input box of a loop dialog counts, shown under its prompt; empty
// for any other box.
QString loopEntryExplanation(const QString &caption);

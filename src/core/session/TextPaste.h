#pragma once

#include <QString>

struct SessionContext;

// Edit > Paste Text: segments as Copy Session as Text and `mirandel-cli cells`
// write them, one line each, their cells joined by TAB: 15 fields (rows 0 to
// 14, the segment number first) or 14 (rows 1 to 14). A line of row labels
// is skipped, and so are empty lines.
//
// The lines are written over the segments from `column` rightwards, one
// segment each; where the session ends, new segments are added as New
// Segment adds them. Every value is matched as a typed value is; a value that
// matches nothing leaves its cell as it was and is listed afterwards. Loop
// Segs and Loop Times are not pasted: the segments keep their loops and new
// ones come outside any. One undo step.
void pasteText(const SessionContext &context, int column, const QString &text);

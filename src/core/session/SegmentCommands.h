#pragma once

class SessionGrid;
struct SegmentClipboard;
struct SessionContext;

// The commands that add, remove and move whole segments (grid columns), each
// one undo step. All but New Segment work on the selected segment,
// `column`. None of them splits or shifts part of a loop, and the segments stay
// numbered 1, 2, 3, ... from the left. Refusals leave the session as it was.

enum class NewSegmentStart { AsCopied, WhereGlideEnded };

// Adds a copy of the last segment, outside any loop; false when the session
// is full. WhereGlideEnded starts it at the last segment's Target Freq.
bool newSegment(const SessionContext &context, NewSegmentStart start = NewSegmentStart::AsCopied);

// Copies the segment to the clipboard, without its loop rows.
void copySegment(const SessionGrid &cells, int column, SegmentClipboard &clipboard);

// After an OK/Cancel confirmation, moves the segment to the clipboard and
// closes the gap. Segment 1 and loop members cannot be cut.
void cutSegment(const SessionContext &context, int column, SegmentClipboard &clipboard);

// Puts a copy of the clipboard's segment before the segment; with nothing
// copied yet it inserts a new segment instead.
void pasteSegment(const SessionContext &context, int column, const SegmentClipboard &clipboard);

// Puts a copy of the previous segment, outside any loop, before the segment.
void insertSegment(const SessionContext &context, int column);

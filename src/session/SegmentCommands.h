#pragma once

struct SessionContext;

// The commands that add, remove and move whole segments (grid columns). All
// but New Segment work on the column of currentCell. None of them splits or
// shifts part of a loop, and the segments stay numbered 1, 2, 3, ... from the
// left. Refusals leave the session as it was.

// Adds a copy of the last segment, outside any loop, and selects it; scrolls
// the grid to the end in every case.
void newSegment(const SessionContext &context);

// Copies the segment to segmentClipboard, without its loop rows.
void copySegment(const SessionContext &context);

// After an OK/Cancel confirmation, moves the segment to segmentClipboard and
// closes the gap. Segment 1 and loop members cannot be cut.
void cutSegment(const SessionContext &context);

// Puts a copy of segmentClipboard before the segment; with nothing copied
// yet it inserts a new segment instead.
void pasteSegment(const SessionContext &context);

// Puts a copy of the previous segment, outside any loop, before the segment.
void insertSegment(const SessionContext &context);

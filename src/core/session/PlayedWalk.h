#pragma once

#include <QtGlobal>

class SessionGrid;

// One pass of one segment as the session plays it.
struct PlayedSegment
{
    int column = 0;     // segment index from 0
    qint64 start = 0;   // half seconds from the session's start
    int halfSeconds = 0;
    bool firstPass = true;
};

// The two ways loops are read. They agree for every session the editor can
// make and part only on loops that overlap (a hand-made file can hold them).
enum class LoopRule {
    // Every loop start begins a new loop and forgets an open one; the repeats
    // count at the loop's last segment. The timing summary and the preview.
    LatestStart,
    // A loop start inside an open loop is ignored. The time graph.
    OutermostStart,
};

// Walks the segments in the order they play, every pass of a repeated loop,
// from segment 1 on (SegmentStarts counts the repeats without walking them). Cells are read lazily, in the order the session plays them, so that a
// text that is not a number (ConversionError) stops the walk exactly where a
// reader of the cells would stop: a segment's time is read before it is
// returned, its loop cells when the walk moves past it.
class PlayedWalk
{
public:
    PlayedWalk(const SessionGrid &cells, LoopRule rule);

    // The next pass; false at the end of the session.
    bool next(PlayedSegment &segment);
    // Half seconds played up to the end of the last pass returned.
    qint64 elapsed() const { return mElapsed; }

private:
    void readLoopCells(int column);
    void closeLoop(int lastColumn);

    const SessionGrid &mCells;
    const LoopRule mRule;
    qint64 mElapsed = 0;
    int mNextColumn = 0;
    int mPendingColumn = -1; // its loop cells are read before the walk moves on

    // The open loop.
    bool mLoopOpen = false;
    int mLoopFirst = 0;
    qint64 mLoopLast = 0;
    int mLoopPasses = 1;
    int mLoopLeft = 0; // LatestStart: segments of the loop still to come

    // The repeats being played.
    qint64 mReplaysLeft = 0;
    int mReplayFirst = 0;
    int mReplayLast = 0;
    int mReplayColumn = 0;
};

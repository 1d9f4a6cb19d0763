#include "core/session/PlayedWalk.h"

#include "core/session/LoopPasses.h"
#include "core/session/SessionGrid.h"
#include "core/session/WalkNumbers.h"

PlayedWalk::PlayedWalk(const SessionGrid &cells, LoopRule rule)
    : mCells(cells), mRule(rule)
{
}

bool PlayedWalk::next(PlayedSegment &segment)
{
    if (mPendingColumn >= 0) {
        const int column = mPendingColumn;
        mPendingColumn = -1;
        readLoopCells(column);
    }
    if (mReplaysLeft > 0) {
        segment.column = mReplayColumn;
        segment.firstPass = false;
        if (++mReplayColumn > mReplayLast) {
            mReplayColumn = mReplayFirst;
            --mReplaysLeft;
        }
    } else if (mNextColumn < mCells.columnCount()) {
        segment.column = mNextColumn++;
        segment.firstPass = true;
    } else {
        return false;
    }
    // The numbers of the thread walking now: a walk may move between threads.
    segment.halfSeconds = WalkNumbers::ofThisThread().halfSeconds(mCells, segment.column);
    segment.start = mElapsed;
    if (segment.firstPass)
        mPendingColumn = segment.column;
    mElapsed += segment.halfSeconds;
    return true;
}

void PlayedWalk::readLoopCells(int column)
{
    WalkNumbers &numbers = WalkNumbers::ofThisThread();
    const bool startsLoop = numbers.startsLoop(mCells, column);
    if (mRule == LoopRule::LatestStart) {
        if (startsLoop) {
            mLoopLeft = numbers.loopSegments(mCells, column);
            mLoopPasses = loopPasses(numbers.loopTimes(mCells, column));
            mLoopFirst = column;
        }
        if (mLoopLeft > 0 && --mLoopLeft == 0)
            closeLoop(column);
        return;
    }
    if (!mLoopOpen && startsLoop) {
        mLoopOpen = true;
        mLoopFirst = column;
        mLoopLast = qint64(column) + numbers.loopSegments(mCells, column) - 1;
        mLoopPasses = loopPasses(numbers.loopTimes(mCells, column));
    }
    if (mLoopOpen && column == mLoopLast) {
        mLoopOpen = false;
        closeLoop(column);
    }
}

void PlayedWalk::closeLoop(int lastColumn)
{
    const qint64 extraPasses = qint64(mLoopPasses) - 1;
    if (extraPasses <= 0)
        return;
    mReplaysLeft = extraPasses;
    mReplayFirst = mLoopFirst;
    mReplayLast = lastColumn;
    mReplayColumn = mLoopFirst;
}

#include "session/PlayedWalk.h"

#include "session/LoopPasses.h"
#include "session/SessionGrid.h"
#include "session/SessionRows.h"
#include "session/TextNumbers.h"

using namespace Qt::Literals::StringLiterals;

namespace {
constexpr int TimeRow = 1;
} // namespace

PlayedWalk::PlayedWalk(const SessionGrid &cells, LoopRule rule, Repeats repeats)
    : mCells(cells), mRule(rule), mRepeats(repeats)
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
    segment.halfSeconds = TextNumbers::halfSecondsOfTime(mCells.cell(segment.column, TimeRow));
    segment.start = mElapsed;
    if (segment.firstPass) {
        mPendingColumn = segment.column;
        mPendingStart = mElapsed;
    }
    mElapsed += segment.halfSeconds;
    return true;
}

void PlayedWalk::readLoopCells(int column)
{
    const QString &loopSegs = mCells.cell(column, SessionRows::LoopSegs);
    if (mRule == LoopRule::LatestStart) {
        if (loopSegs != u"0"_s) {
            mLoopLeft = TextNumbers::integer(loopSegs);
            mLoopPasses = loopPasses(TextNumbers::integer(mCells.cell(column, SessionRows::LoopTimes)));
            mLoopFirst = column;
            mLoopStartTime = mPendingStart;
        }
        if (mLoopLeft > 0 && --mLoopLeft == 0)
            closeLoop(column);
        return;
    }
    if (!mLoopOpen && loopSegs != u"0"_s) {
        mLoopOpen = true;
        mLoopFirst = column;
        mLoopLast = qint64(column) + TextNumbers::integer(loopSegs) - 1;
        mLoopPasses = loopPasses(TextNumbers::integer(mCells.cell(column, SessionRows::LoopTimes)));
        mLoopStartTime = mPendingStart;
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
    if (mRepeats == Repeats::Counted) {
        mElapsed += extraPasses * (mElapsed - mLoopStartTime);
        return;
    }
    mReplaysLeft = extraPasses;
    mReplayFirst = mLoopFirst;
    mReplayLast = lastColumn;
    mReplayColumn = mLoopFirst;
}

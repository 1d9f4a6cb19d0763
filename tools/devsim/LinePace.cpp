#include "LinePace.h"

#include <algorithm>

namespace {
constexpr qint64 BitsPerByte = 10;
} // namespace

LinePace::LinePace(int baud)
    : mBaud(baud)
{
}

void LinePace::start(qint64 nowMs)
{
    mRunning = true;
    mStartMs = nowMs;
    mTaken = 0;
}

qint64 LinePace::due(qint64 nowMs) const
{
    if (!mRunning)
        return 0;
    return (nowMs - mStartMs) * mBaud / (BitsPerByte * 1000) - mTaken;
}

void LinePace::took(qint64 count, qint64 dueCount)
{
    mTaken += count;
    if (count < dueCount)
        mRunning = false;
}

int LinePace::msUntilNext(qint64 nowMs) const
{
    const qint64 nextAt = mStartMs + ((mTaken + 1) * BitsPerByte * 1000 + mBaud - 1) / mBaud;
    return int(std::max<qint64>(0, nextAt - nowMs));
}

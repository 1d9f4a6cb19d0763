#include "audio/MeterThread.h"

#include "audio/LoudnessMeter.h"

namespace {
// Enough to ride out the meter's and the writer's uneven pace; more would
// only hold memory.
constexpr int Blocks = 4;
} // namespace

template <typename Sample>
MeterThread<Sample>::MeterThread(int sampleRate, qint64 blockFrames)
    : mMeter(std::make_unique<LoudnessMeter>(sampleRate))
    , mBlocks(Blocks, std::vector<Sample>(size_t(2 * blockFrames)))
{
    for (std::vector<Sample> &block : mBlocks)
        mFree.push_back(block.data());
    mThread = std::thread([this] { run(); });
}

template <typename Sample>
MeterThread<Sample>::~MeterThread()
{
    {
        const std::lock_guard lock(mMutex);
        mStopping = true;
    }
    mChanged.notify_all();
    mThread.join();
}

template <typename Sample>
Sample *MeterThread<Sample>::nextBlock()
{
    std::unique_lock lock(mMutex);
    mChanged.wait(lock, [this] { return !mFree.empty(); });
    mTaken = mFree.back();
    mFree.pop_back();
    return mTaken;
}

template <typename Sample>
void MeterThread<Sample>::measure(qint64 frames)
{
    {
        const std::lock_guard lock(mMutex);
        mPending.push_back({mTaken, frames});
        mTaken = nullptr;
    }
    mChanged.notify_all();
}

template <typename Sample>
Loudness MeterThread<Sample>::loudness()
{
    std::unique_lock lock(mMutex);
    if (mTaken)
        mFree.push_back(std::exchange(mTaken, nullptr));
    mChanged.wait(lock, [this] { return mPending.empty() && !mMeasuring; });
    return mMeter->loudness();
}

template <typename Sample>
void MeterThread<Sample>::run()
{
    std::unique_lock lock(mMutex);
    for (;;) {
        mChanged.wait(lock, [this] { return mStopping || !mPending.empty(); });
        if (mStopping)
            return;
        const Pending pending = mPending.front();
        mPending.pop_front();
        mMeasuring = true;
        lock.unlock();
        mMeter->add(pending.block, pending.frames);
        lock.lock();
        mMeasuring = false;
        mFree.push_back(pending.block);
        mChanged.notify_all();
    }
}

template class MeterThread<qint16>;
template class MeterThread<float>;

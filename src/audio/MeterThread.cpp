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
    for (size_t part = 0; part < Parts; ++part)
        mThreads[part] = std::thread([this, part] { run(part); });
}

template <typename Sample>
MeterThread<Sample>::~MeterThread()
{
    {
        const std::lock_guard lock(mMutex);
        mStopping = true;
    }
    mChanged.notify_all();
    for (std::thread &thread : mThreads)
        thread.join();
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
    mChanged.wait(lock, [this] { return mPending.empty(); });
    return mMeter->loudness();
}

template <typename Sample>
void MeterThread<Sample>::run(size_t part)
{
    qint64 &next = mNextToMeasure[part];
    std::unique_lock lock(mMutex);
    for (;;) {
        mChanged.wait(lock, [&] { return mStopping || next < mFirstPending + qint64(mPending.size()); });
        if (mStopping)
            return;
        const Pending pending = mPending[size_t(next - mFirstPending)];
        lock.unlock();
        if (part == 0)
            mMeter->addToLoudness(pending.block, pending.frames);
        else
            mMeter->addToPeak(pending.block, pending.frames);
        lock.lock();
        mPending[size_t(next - mFirstPending)].partsLeft -= 1;
        ++next;
        // A block both parts measured is free again.
        while (!mPending.empty() && mPending.front().partsLeft == 0) {
            mFree.push_back(mPending.front().block);
            mPending.pop_front();
            ++mFirstPending;
        }
        mChanged.notify_all();
    }
}

template class MeterThread<qint16>;
template class MeterThread<float>;

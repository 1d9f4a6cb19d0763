#pragma once

#include "audio/Loudness.h"

#include <QtGlobal>
#include <array>
#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

class LoudnessMeter;

// A LoudnessMeter fed block by block on threads of its own, the loudness on
// one and the true peak on another: measuring costs several times what
// rendering and writing do, and runs beside them on the other cores. The
// blocks are the meter's own, rendered into in turn, so that nothing is
// copied; rendering waits only while the meter is a few blocks behind.
template <typename Sample>
class MeterThread
{
public:
    MeterThread(int sampleRate, qint64 blockFrames);
    // Stops measuring: what was handed over and not yet measured is dropped.
    ~MeterThread();
    MeterThread(const MeterThread &) = delete;
    MeterThread &operator=(const MeterThread &) = delete;

    // A block of blockFrames stereo frames to render into; waits while the
    // meter holds every block.
    Sample *nextBlock();
    // Hands the block nextBlock() gave to the meter, its first `frames` rendered.
    void measure(qint64 frames);
    // Waits until every block handed over is measured.
    Loudness loudness();

private:
    static constexpr size_t Parts = 2; // the loudness, the true peak
    struct Pending
    {
        Sample *block;
        qint64 frames;
        size_t partsLeft = Parts;
    };
    void run(size_t part);

    std::unique_ptr<LoudnessMeter> mMeter;
    std::vector<std::vector<Sample>> mBlocks;
    std::vector<Sample *> mFree;
    std::deque<Pending> mPending; // in the order handed over
    qint64 mFirstPending = 0;     // the number of the front one
    std::array<qint64, Parts> mNextToMeasure{};
    Sample *mTaken = nullptr;
    bool mStopping = false;
    std::mutex mMutex;
    std::condition_variable mChanged;
    std::array<std::thread, Parts> mThreads;
};

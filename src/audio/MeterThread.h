#pragma once

#include "audio/Loudness.h"

#include <QtGlobal>
#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

class LoudnessMeter;

// A LoudnessMeter on a thread of its own, fed block by block: measuring costs
// several times what rendering and writing do, and runs beside them on a
// second core. The blocks are the meter's own, rendered into in turn, so that
// nothing is copied; rendering waits only while the meter is a few blocks
// behind.
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
    struct Pending
    {
        Sample *block;
        qint64 frames;
    };
    void run();

    std::unique_ptr<LoudnessMeter> mMeter;
    std::vector<std::vector<Sample>> mBlocks;
    std::vector<Sample *> mFree;
    std::deque<Pending> mPending;
    Sample *mTaken = nullptr;
    bool mMeasuring = false; // a block is out of the queue, in the meter
    bool mStopping = false;
    std::mutex mMutex;
    std::condition_variable mChanged;
    std::thread mThread;
};

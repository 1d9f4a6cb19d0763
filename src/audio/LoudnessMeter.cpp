#include "audio/LoudnessMeter.h"

#include <algorithm>
#include <new>

LoudnessMeter::LoudnessMeter(int sampleRate)
    : mState(ebur128_init(2, static_cast<unsigned long>(sampleRate), EBUR128_MODE_I))
{
    if (!mState)
        throw std::bad_alloc();
}

LoudnessMeter::~LoudnessMeter()
{
    ebur128_destroy(&mState);
}

void LoudnessMeter::addToLoudness(const float *stereo, qint64 frames)
{
    ebur128_add_frames_float(mState, stereo, size_t(frames));
}

void LoudnessMeter::addToLoudness(const qint16 *stereo, qint64 frames)
{
    ebur128_add_frames_short(mState, stereo, size_t(frames));
}

void LoudnessMeter::addToPeak(const float *stereo, qint64 frames)
{
    mLeftPeak.add(stereo, frames, 2, 1);
    mRightPeak.add(stereo + 1, frames, 2, 1);
}

void LoudnessMeter::addToPeak(const qint16 *stereo, qint64 frames)
{
    mLeftPeak.add(stereo, frames, 2, 0x1p-15f);
    mRightPeak.add(stereo + 1, frames, 2, 0x1p-15f);
}

Loudness LoudnessMeter::loudness() const
{
    Loudness result;
    ebur128_loudness_global(mState, &result.integrated);
    result.truePeak = 20 * std::log10(std::max(mLeftPeak.peak(), mRightPeak.peak()));
    return result;
}

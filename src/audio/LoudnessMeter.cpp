#include "audio/LoudnessMeter.h"

#include <algorithm>
#include <new>

LoudnessMeter::LoudnessMeter(int sampleRate)
    : mState(ebur128_init(2, static_cast<unsigned long>(sampleRate), EBUR128_MODE_I | EBUR128_MODE_TRUE_PEAK))
{
    if (!mState)
        throw std::bad_alloc();
}

LoudnessMeter::~LoudnessMeter()
{
    ebur128_destroy(&mState);
}

void LoudnessMeter::add(const float *stereo, qint64 frames)
{
    ebur128_add_frames_float(mState, stereo, size_t(frames));
}

void LoudnessMeter::add(const qint16 *stereo, qint64 frames)
{
    ebur128_add_frames_short(mState, stereo, size_t(frames));
}

Loudness LoudnessMeter::loudness() const
{
    Loudness result;
    ebur128_loudness_global(mState, &result.integrated);
    double peak = 0;
    for (unsigned channel = 0; channel < 2; ++channel) {
        double channelPeak = 0;
        ebur128_true_peak(mState, channel, &channelPeak);
        peak = std::max(peak, channelPeak);
    }
    result.truePeak = 20 * std::log10(peak);
    return result;
}

#include "audio/TruePeak.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr int Reach = 6; // samples on each side of an oversampled point
} // namespace

// Phase p interpolates a quarter p of the way from a sample to the next:
// a windowed sinc over the six samples on each side, its gain 1 at 0 Hz.
TruePeak::TruePeak()
{
    for (int p = 0; p < Phases; ++p) {
        float sum = 0;
        float magnitude = 0;
        for (int t = 0; t < Taps; ++t) {
            // Tap t weighs the sample Reach - t after the point's sample.
            const double u = double(t - Reach) + double(p) / Phases;
            const double sinc = u == 0 ? 1 : std::sin(M_PI * u) / (M_PI * u);
            const double window = 0.5 * (1 + std::cos(M_PI * u / (Reach + 0.5)));
            mFilter[size_t(p)][size_t(t)] = float(sinc * window);
            sum += mFilter[size_t(p)][size_t(t)];
        }
        for (float &tap : mFilter[size_t(p)]) {
            tap /= sum;
            magnitude += std::abs(tap);
        }
        mMostGain = std::max(mMostGain, magnitude);
    }
}

void TruePeak::addBlock()
{
    // The samples before the block complete its first points.
    mSamples.assign(mBefore.begin(), mBefore.end());
    mSamples.insert(mSamples.end(), mBlock.begin(), mBlock.end());
    std::copy(mSamples.end() - qsizetype(mBefore.size()), mSamples.end(), mBefore.begin());
    float largest = 0;
    for (float sample : mBlock)
        largest = std::max(largest, std::abs(sample));
    mPeak = std::max(mPeak, double(largest));
    float reach = largest;
    for (float sample : mBefore)
        reach = std::max(reach, std::abs(sample));
    if (reach * mMostGain <= mPeak)
        return;
    const qsizetype points = qsizetype(mSamples.size()) - Taps + 1;
    float peak = float(mPeak);
    for (int p = 1; p < Phases; ++p) {
        const std::array<float, Taps> &filter = mFilter[size_t(p)];
        for (qsizetype n = 0; n < points; ++n) {
            float value = 0;
            for (int t = 0; t < Taps; ++t)
                value += filter[size_t(t)] * mSamples[size_t(n + Taps - 1 - t)];
            peak = std::max(peak, std::abs(value));
        }
    }
    mPeak = peak;
}

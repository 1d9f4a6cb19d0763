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
    // Tap by tap over a stretch that stays in the cache, and the largest
    // in lanes: loops the compiler turns into vector instructions.
    const size_t points = mSamples.size() - Taps + 1;
    std::array<float, Lanes> peaks{};
    for (size_t from = 0; from < points; from += Stretch) {
        const size_t count = std::min(Stretch, points - from);
        for (int p = 1; p < Phases; ++p) {
            const std::array<float, Taps> &filter = mFilter[size_t(p)];
            mPoints.fill(0.0f);
            for (size_t t = 0; t < Taps; ++t) {
                const float tap = filter[t];
                const float *samples = mSamples.data() + from + Taps - 1 - t;
                for (size_t n = 0; n < count; ++n)
                    mPoints[n] += tap * samples[n];
            }
            for (size_t n = 0; n < Stretch; n += Lanes) {
                for (size_t l = 0; l < Lanes; ++l)
                    peaks[l] = std::max(peaks[l], std::abs(mPoints[n + l]));
            }
        }
    }
    for (float peak : peaks)
        mPeak = std::max(mPeak, double(peak));
}

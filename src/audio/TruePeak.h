#pragma once

#include <QtGlobal>
#include <array>
#include <vector>

// The true peak of one channel, as EBU R128 measures it: the largest
// magnitude of the sound four times oversampled. A block whose samples cannot
// reach the peak found so far even between them is not oversampled at all:
// a quiet stretch after a loud one costs only a scan for its largest sample.
class TruePeak
{
public:
    TruePeak();

    // Every `stride`th sample from `samples`, each times `scale`.
    template <typename Sample>
    void add(const Sample *samples, qint64 count, int stride, float scale)
    {
        mBlock.resize(size_t(count));
        for (qint64 i = 0; i < count; ++i)
            mBlock[size_t(i)] = scale * float(samples[i * stride]);
        addBlock();
    }
    // Linear, 1 for full scale.
    double peak() const { return mPeak; }

private:
    static constexpr int Taps = 12; // per phase
    static constexpr int Phases = 4;
    void addBlock();

    std::array<std::array<float, Taps>, Phases> mFilter{};
    float mMostGain = 1; // the largest any phase can give a sample
    std::vector<float> mBlock;
    std::vector<float> mSamples; // the block after the samples before it
    static constexpr size_t Stretch = 1024;
    static constexpr size_t Lanes = 8;
    static_assert(Stretch % Lanes == 0);
    std::array<float, Stretch> mPoints{}; // of one phase, over a stretch
    std::array<float, Taps - 1> mBefore{};
    double mPeak = 0;
};

#pragma once

#include <QtGlobal>
#include <cstdint>

// A sine oscillator on a 64-bit phase: a whole turn is 2^64, so the phase
// wraps by itself and a frequency that glides linearly adds a constant to
// the increment every sample. The phase is kept across frequency changes, so
// a tone never clicks where it changes.
class Oscillator
{
public:
    // Frequency in cycles per sample, gliding by slope cycles per sample per sample.
    void setFrequency(double cyclesPerSample, double slope = 0)
    {
        mIncrement = toPhase(cyclesPerSample);
        mSlope = toPhase(slope);
    }

    // The next sample of sin(2 pi phase), -1 to 1.
    float next()
    {
        const float value = sine(mPhase);
        advance();
        return value;
    }
    // The phase (a whole turn is 2^64), then advances.
    uint64_t nextPhase()
    {
        const uint64_t phase = mPhase;
        advance();
        return phase;
    }
    static double turns(uint64_t phase) { return double(phase) * 0x1p-64; }
    static constexpr uint64_t QuarterTurn = uint64_t(1) << 62;

    static float sine(uint64_t phase);

private:
    void advance()
    {
        mPhase += mIncrement;
        mIncrement += mSlope;
    }
    // Turns to phase units; negative slopes wrap and still add correctly.
    static uint64_t toPhase(double turns) { return uint64_t(int64_t(turns * 0x1p63) * 2); }

    uint64_t mPhase = 0;
    uint64_t mIncrement = 0;
    uint64_t mSlope = 0;
};

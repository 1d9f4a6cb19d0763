#pragma once

#include <QtGlobal>
#include <algorithm>
#include <cmath>
#include <cstdint>

// A sine oscillator on a 64-bit phase: a whole turn is 2^64, so the phase
// wraps by itself and a frequency that glides linearly adds a constant to
// the increment every sample. The phase is kept across frequency changes, so
// a tone never clicks where it changes.
//
// The samples come from a recurrence, sin(x + 8w) = 2 cos(8w) sin(x) -
// sin(x - 8w), in eight interleaved chains so that no sample waits for the
// one before it. Each stretch is started afresh from the exact phase, at the
// stretch's mean frequency: its first and last phases are exact, and a glide
// stretch is short enough that the phase between them stays within a
// millionth of a turn.
class Oscillator
{
public:
    static constexpr uint64_t QuarterTurn = uint64_t(1) << 62;

    // Frequency in cycles per sample, gliding by slope cycles per sample per sample.
    void setFrequency(double cyclesPerSample, double slope = 0)
    {
        mIncrement = toPhase(cyclesPerSample);
        mSlope = toPhase(slope);
    }

    // put(i, sin(2 pi (phase + offset))) for the next n samples, i from 0.
    template <typename Put>
    void run(int n, Put &&put, uint64_t offset = 0)
    {
        const int most = stretchLimit();
        for (int done = 0; done < n;) {
            const int count = std::min(n - done, most);
            runStretch(count, [&](int i, float value) { put(done + i, value); }, offset);
            advance(count);
            done += count;
        }
    }

    // put(i, turns) with the phase in turns (0 to 1) for the next n samples.
    template <typename Put>
    void runTurns(int n, Put &&put)
    {
        uint64_t phase = mPhase;
        uint64_t increment = mIncrement;
        for (int i = 0; i < n; ++i) {
            put(i, float(uint32_t(phase >> 32)) * 0x1p-32f);
            phase += increment;
            increment += mSlope;
        }
        mPhase = phase;
        mIncrement = increment;
    }

    // Moves on n samples without sound.
    void advance(int n)
    {
        const uint64_t count = uint64_t(n);
        mPhase += mIncrement * count + mSlope * (count * (count - 1) / 2);
        mIncrement += mSlope * count;
    }

private:
    static constexpr int Lanes = 8;
    static constexpr double PhaseToRadians = 2 * M_PI * 0x1p-64;

    // Turns to phase units; negative slopes wrap and still add correctly.
    static uint64_t toPhase(double turns) { return uint64_t(int64_t(turns * 0x1p63) * 2); }

    // The longest stretch whose phase strays at most slope n^2 / 8 turns
    // from the glide's.
    int stretchLimit() const
    {
        const double slope = std::abs(double(int64_t(mSlope))) * 0x1p-64;
        constexpr double MostStray = 1e-6;
        constexpr int Longest = 1 << 20;
        return slope == 0 ? Longest : std::clamp(int(std::sqrt(8 * MostStray / slope)), 4 * Lanes, Longest);
    }

    template <typename Put>
    void runStretch(int n, Put &&put, uint64_t offset) const
    {
        const double step = (double(int64_t(mIncrement)) + double(int64_t(mSlope)) * 0.5 * (n - 1)) * PhaseToRadians;
        // sin at the phases -8 .. 7 steps from the start, by rotation.
        const double start = double(mPhase + offset) * PhaseToRadians;
        const double stepCos = std::cos(step);
        const double stepSin = std::sin(step);
        double previous[Lanes];
        double current[Lanes];
        double c = std::cos(start);
        double s = std::sin(start);
        for (int l = 0; l < Lanes; ++l) {
            current[l] = s;
            const double rotated = c * stepCos - s * stepSin;
            s = s * stepCos + c * stepSin;
            c = rotated;
        }
        c = std::cos(start);
        s = std::sin(start);
        for (int l = Lanes - 1; l >= 0; --l) {
            const double rotated = c * stepCos + s * stepSin;
            s = s * stepCos - c * stepSin;
            c = rotated;
            previous[l] = s;
        }
        const double k = 2 * std::cos(Lanes * step);
        int i = 0;
        for (; i + Lanes <= n; i += Lanes) {
            for (int l = 0; l < Lanes; ++l) {
                put(i + l, float(current[l]));
                const double next = k * current[l] - previous[l];
                previous[l] = current[l];
                current[l] = next;
            }
        }
        for (int l = 0; i + l < n; ++l)
            put(i + l, float(current[l]));
    }

    uint64_t mPhase = 0;
    uint64_t mIncrement = 0;
    uint64_t mSlope = 0;
};

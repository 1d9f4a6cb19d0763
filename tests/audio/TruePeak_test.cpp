// The true peak: between the samples, and over blocks of any size.
#include "audio/TruePeak.h"

#include <gtest/gtest.h>
#include <cmath>
#include <vector>

TEST(TruePeak, FindsThePeakBetweenTheSamples)
{
    const struct
    {
        const char *name;
        double cyclesPerSample;
        double phase;
        double samplePeak; // dB; the true peak is 0 dB
        qint64 block;
    } cases[] = {
        {"a quarter of the rate, samples at 45 degrees", 0.25, M_PI / 4, -3.01, 4096},
        {"997 Hz at 44100", 997.0 / 44100, 0.3, 0, 4096},
        {"a sixth of the rate in blocks of 7", 1.0 / 6, 0, -1.25, 7},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<float> sound(44100);
        float largest = 0;
        for (size_t i = 0; i < sound.size(); ++i) {
            // Faded in: a sudden start rings past the sine's peak.
            const double fade = std::min(1.0, double(i) / 1000);
            sound[i] = float(0.5 * fade * std::sin(2 * M_PI * c.cyclesPerSample * double(i) + c.phase));
            largest = std::max(largest, std::abs(sound[i]));
        }
        TruePeak peak;
        for (qint64 at = 0; at < qint64(sound.size()); at += c.block)
            peak.add(sound.data() + at, std::min(c.block, qint64(sound.size()) - at), 1, 2);
        EXPECT_NEAR(20 * std::log10(2 * largest), c.samplePeak, 0.05);
        EXPECT_NEAR(20 * std::log10(peak.peak()), 0, 0.05);
    }
}

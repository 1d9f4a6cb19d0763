// The noise bed, measured: its level and the slope of its spectrum.
#include "SoundProbe.h"

#include "audio/NoiseBed.h"

#include <gtest/gtest.h>
#include <cmath>

namespace {
constexpr int Rate = 16000;
constexpr int Seconds = 20;

// The mean power around a frequency, in dB, over quarter-second windows.
double bandPower(const std::vector<float> &samples, double hertz)
{
    double sum = 0;
    int count = 0;
    for (double from = 0; from + 0.25 <= Seconds; from += 0.25) {
        for (int k = -3; k <= 3; ++k) {
            const double s = strength(samples, Rate, from, from + 0.25, hertz * (1 + 0.02 * k));
            sum += s * s;
            ++count;
        }
    }
    return 10 * std::log10(sum / count);
}
} // namespace

TEST(NoiseBed, EachKindHasItsLevelAndItsSlope)
{
    const struct
    {
        NoiseChoice::Kind kind;
        double level;
        double dbPerOctave;
    } cases[] = {{NoiseChoice::White, -20, 0}, {NoiseChoice::Pink, -20, -3}, {NoiseChoice::Brown, -35, -6}};
    for (const auto &c : cases) {
        SCOPED_TRACE(NoiseChoice::kindName(c.kind).toStdString());
        NoiseBed noise({c.kind, c.level}, Rate);
        std::vector<float> left(size_t(Seconds * Rate));
        std::vector<float> right(left.size());
        noise.add(left.data(), right.data(), nullptr, int(left.size()));
        for (const std::vector<float> *ear : {&left, &right})
            EXPECT_NEAR(20 * std::log10(rms(*ear, Rate, 0, Seconds)), c.level, 0.3);
        // Four octaves, 150 to 2400 Hz.
        EXPECT_NEAR((bandPower(left, 2400) - bandPower(left, 150)) / 4, c.dbPerOctave, 0.5);
        // The ears hear different noise.
        double product = 0;
        for (size_t i = 0; i < left.size(); ++i)
            product += double(left[i]) * right[i];
        EXPECT_LT(std::abs(product) / double(left.size()), 0.1 * std::pow(10.0, c.level / 10));
    }
}

TEST(NoiseBed, ChoicesReadFromText)
{
    const struct
    {
        const char *text;
        std::optional<NoiseChoice::Kind> kind;
        double level;
    } cases[] = {{"pink:-20", NoiseChoice::Pink, -20}, {"brown:-20", NoiseChoice::Brown, -20}, {"white", NoiseChoice::White, -30},
                 {"none", NoiseChoice::None, -30}, {"pink:-19", std::nullopt, 0}, {"pink:-61", std::nullopt, 0},
                 {"none:-20", std::nullopt, 0}, {"grey:-20", std::nullopt, 0}, {"pink:loud", std::nullopt, 0}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text);
        const std::optional<NoiseChoice> choice = NoiseChoice::parse(QString::fromLatin1(c.text));
        ASSERT_EQ(choice.has_value(), c.kind.has_value());
        if (choice) {
            EXPECT_EQ(choice->kind, *c.kind);
            EXPECT_EQ(choice->level, c.level);
        }
    }
}

// The preview's sound, measured: spectra, pulse rates, ramps, joins, lengths.
#include "SoundProbe.h"

#include "audio/SessionSynth.h"
#include "core/session/Session.h"

#include <gtest/gtest.h>
#include <cmath>

namespace {
constexpr int Rate = 8000;
constexpr SessionKind P = PulsedSession;
constexpr SessionKind D = DualBinauralSession;
} // namespace

TEST(SessionSound, EveryToneSoundsAtItsPitchesInTheRightEars)
{
    const struct
    {
        const char *name;
        SoundSegment segment;
        std::vector<double> left;  // expected peaks, each searched within 4 Hz
        std::vector<double> right;
    } cases[] = {
        {"bb", {P, {{2, "bb"}, {3, "7.83"}, {4, "240"}}}, {240}, {247.83}},
        {"bb with a target", {P, {{2, "bb"}, {3, "10.0"}, {4, "427"}, {5, "10.0"}}}, {427}, {437}},
        {"PFr", {P, {{2, "PFr"}, {3, "10.0"}, {4, "240"}}}, {240}, {240}},
        {"PSu", {P, {{2, "PSu"}, {3, "10.0"}, {4, "120"}}}, {120}, {120}},
        {"PCh chord 1", {P, {{2, "PCh"}, {3, "10.0"}, {4, "240"}, {6, "1"}}}, {240, 300, 360}, {240, 300, 360}},
        {"PCh chord 7", {P, {{2, "PCh"}, {3, "10.0"}, {4, "160"}, {6, "7"}}},
         {160, 200, 240, 280}, {160, 200, 240, 280}},
        {"dbb", {D, {{2, "dbb"}, {3, "7.83"}, {4, "240"}, {5, "15.0"}, {6, "480"}}}, {240, 480}, {247.83, 495}},
        {"bbS relative pitch", {D, {{2, "bbS"}, {3, "4.0"}, {4, "240"}, {5, "6.0"}, {6, "r3"}}},
         {240, 320}, {244, 326}},
        {"dSb relative pitch below", {D, {{2, "dSb"}, {3, "4.0"}, {4, "240"}, {5, "6.0"}, {6, "r-2"}}},
         {240, 192}, {244, 198}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const Ears ears = renderEars(soundSession({c.segment}), Rate, 6);
        for (double hertz : c.left)
            EXPECT_NEAR(strongestFrequency(ears.left, Rate, 1, 5, hertz - 4, hertz + 4), hertz, 0.5);
        for (double hertz : c.right)
            EXPECT_NEAR(strongestFrequency(ears.right, Rate, 1, 5, hertz - 4, hertz + 4), hertz, 0.5);
        // A binaural beat keeps each ear's tone out of the other ear.
        if (c.left != c.right) {
            EXPECT_LT(strength(ears.left, Rate, 1, 5, c.right.front()), 0.01);
            EXPECT_LT(strength(ears.right, Rate, 1, 5, c.left.front()), 0.01);
        }
    }
}

TEST(SessionSound, PulsesComeAtTheBeatForTheirDutyCycle)
{
    const struct
    {
        const char *beat;
        const char *duty;
    } cases[] = {{"2.0", "50"}, {"7.83", "12"}, {"7.83", "87"}, {"20.0", "37"}};
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(c.beat) + " Hz, duty " + c.duty);
        const Ears ears = renderEars(soundSession({{P, {{2, "PFr"}, {3, c.beat}, {4, "480"}, {8, c.duty}}}}), Rate, 11);
        // The envelope in 1 ms steps: on where the tone is loud.
        const int step = Rate / 1000;
        int pulses = 0;
        int onSteps = 0;
        int steps = 0;
        bool on = false;
        for (size_t i = size_t(Rate); i + size_t(step) <= size_t(11 * Rate); i += size_t(step), ++steps) {
            float peak = 0;
            for (int k = 0; k < step; ++k)
                peak = std::max(peak, std::abs(ears.left[i + size_t(k)]));
            const bool loud = peak > 0.25f;
            pulses += loud && !on;
            onSteps += loud;
            on = loud;
        }
        EXPECT_NEAR(pulses / 10.0, std::stod(c.beat), 0.5);
        EXPECT_NEAR(double(onSteps) / steps, std::stod(c.duty) / 100, 0.06);
    }
}

TEST(SessionSound, ARampGlidesLinearlyFromStartToEnd)
{
    const struct
    {
        const char *name;
        SessionGrid cells;
        double from;   // seconds into the session where the ramp starts
        double startBeat;
        double endBeat;
    } cases[] = {
        {"target freq", soundSession({{P, {{1, "1:00.0"}, {2, "bb"}, {3, "4.0"}, {4, "240"}, {5, "12.0"}}}}), 0, 4, 12},
        {"dbb ramp from the segment before",
         soundSession({{D, {{1, "0:10.0"}, {2, "dbb"}, {3, "4.0"}, {4, "240"}, {6, "720"}}},
                       {D, {{1, "1:00.0"}, {2, "dbb"}, {3, "12.0"}, {4, "240"}, {6, "720"}, {12, "ramp"}}}}),
         10, 4, 12},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const Ears ears = renderEars(c.cells, Rate);
        for (double at : {1.0, 30.0, 59.0}) {
            const double beat = c.startBeat + (c.endBeat - c.startBeat) * at / 60;
            const double t = c.from + at;
            EXPECT_NEAR(strongestFrequency(ears.right, Rate, t - 1, t + 1, 240 + beat - 3, 240 + beat + 3), 240 + beat,
                        0.5)
                << at;
            EXPECT_NEAR(strongestFrequency(ears.left, Rate, t - 1, t + 1, 237, 243), 240, 0.5) << at;
        }
    }
}

TEST(SessionSound, SegmentJoinsAreNoSharperThanTheWaveItself)
{
    const struct
    {
        const char *name;
        SessionGrid cells;
        double steepest; // the largest step the tones and level glides allow, per sample
    } cases[] = {
        {"pitch and beat change",
         soundSession({{P, {{1, "0:01.0"}, {2, "bb"}, {3, "4.0"}, {4, "240"}}},
                       {P, {{1, "0:01.0"}, {2, "bb"}, {3, "9.0"}, {4, "256"}}},
                       {P, {{1, "0:01.0"}, {2, "bb"}, {3, "42.0"}, {4, "192"}}}}),
         0.5 * 2 * M_PI * 298 / Rate},
        {"binaural to dual",
         soundSession({{P, {{1, "0:01.0"}, {2, "bb"}, {3, "4.0"}, {4, "240"}}},
                       {D, {{1, "0:01.0"}, {2, "dbb"}, {3, "7.0"}, {4, "240"}, {5, "5.0"}, {6, "256"}}}}),
         0.5 * 2 * M_PI * 261 / Rate},
        {"volume step",
         soundSession({{P, {{1, "0:01.0"}, {2, "bb"}, {3, "4.0"}, {4, "240"}}},
                       {P, {{1, "0:01.0"}, {2, "bb"}, {3, "4.0"}, {4, "240"}, {9, "14"}}}}),
         0.5 * 2 * M_PI * 244 / Rate + 0.5 / (0.005 * Rate)},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const Ears ears = renderEars(c.cells, Rate);
        for (const std::vector<float> *ear : {&ears.left, &ears.right}) {
            double steepest = 0;
            for (size_t i = 1; i < ear->size(); ++i)
                steepest = std::max(steepest, double(std::abs((*ear)[i] - (*ear)[i - 1])));
            EXPECT_LE(steepest, c.steepest * 1.02);
        }
    }
}

TEST(SessionSound, NeverClipsAndFadesInAndOut)
{
    for (const SoundSegment &segment : {SoundSegment{P, {{2, "PCh"}, {4, "960"}, {6, "5"}}},
                                        SoundSegment{D, {{2, "dbb"}, {4, "960"}, {6, "960"}}},
                                        SoundSegment{P, {{2, "bb"}, {4, "960"}, {3, "42.0"}}}}) {
        const Ears ears = renderEars(soundSession({segment}), Rate, 3);
        for (const std::vector<float> *ear : {&ears.left, &ears.right}) {
            EXPECT_LE(*std::max_element(ear->begin(), ear->end()), 0.5f);
            EXPECT_GE(*std::min_element(ear->begin(), ear->end()), -0.5f);
            EXPECT_LT(rms(*ear, Rate, 0, 0.002), 0.5 * rms(*ear, Rate, 1, 2));
            EXPECT_LT(std::abs(ear->back()), 0.01f);
        }
    }
}

TEST(SessionSound, VolumeAndItsRampSetTheLevel)
{
    const struct
    {
        const char *ramp;
        double startShare; // level at the start of segment 2, as a share of segment 1's
        double endShare;
    } cases[] = {{"none", 0.28, 0.28}, {"seg", 1.0, 0.28}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.ramp);
        const Ears ears = renderEars(soundSession({{P, {{1, "0:10.0"}, {2, "bb"}, {4, "240"}}},
                                                   {P, {{1, "0:10.0"}, {2, "bb"}, {4, "240"}, {9, "28"}, {11, c.ramp}}}}),
                                     Rate);
        const double full = rms(ears.left, Rate, 5, 9);
        EXPECT_NEAR(rms(ears.left, Rate, 10.02, 10.2) / full, c.startShare, 0.03);
        EXPECT_NEAR(rms(ears.left, Rate, 19.7, 19.9) / full, c.endShare, 0.03);
    }
}

TEST(SessionSound, PlaysOnWithEditedCellsFromTheNextBlock)
{
    SessionGrid cells = soundSession({{P, {{1, "1:00.0"}, {2, "bb"}, {3, "4.0"}, {4, "240"}}}});
    SessionSynth synth(cells, Rate);
    std::vector<float> first(2 * 3 * Rate);
    synth.render(first.data(), 3 * Rate);
    cells.setCell(0, PitchRow, QStringLiteral("320"));
    synth.setCells(cells);
    Ears after;
    std::vector<float> block(2 * 3 * Rate);
    EXPECT_EQ(synth.render(block.data(), 3 * Rate), 3 * Rate);
    for (size_t i = 0; i < block.size(); i += 2)
        after.left.push_back(block[i]);
    EXPECT_NEAR(strongestFrequency(after.left, Rate, 0, 3, 230, 330), 320, 0.5);
    EXPECT_LE(std::abs(after.left.front() - first[first.size() - 2]), 0.5 * 2 * M_PI * 320 / Rate);
    EXPECT_EQ(synth.position(), 6 * Rate);
}

TEST(SessionSound, PlayedLengthIsTheSessionTotalToTheNearestSample)
{
    const auto loop = [](const char *time, const char *segs, const char *times) {
        return SoundSegment{P, {{1, time}, {13, segs}, {14, times}}};
    };
    const struct
    {
        const char *name;
        SessionGrid cells;
        int from;            // column
        qint64 halfSeconds;  // worked out by hand
    } cases[] = {
        {"three half seconds", soundSession({loop("0:00.5", "0", "0"), loop("0:00.5", "0", "0"), loop("0:00.5", "0", "0")}), 0, 3},
        {"a loop repeated", soundSession({loop("0:10.0", "0", "0"), loop("0:20.0", "2", "3"), loop("0:30.0", "0", "3"),
                                          loop("0:05.0", "0", "0")}), 0, 330},
        {"a loop inside a loop counts alone",
         soundSession({loop("0:10.0", "3", "2"), loop("0:20.0", "1", "3"), loop("0:30.0", "0", "2"), loop("0:05.0", "0", "0")}),
         0, 210},
        {"overlapping loops: the later start wins",
         soundSession({loop("1:00.0", "0", "0"), loop("1:00.0", "3", "2"), loop("1:00.0", "2", "3"), loop("1:00.0", "0", "3"),
                       loop("1:00.0", "0", "0")}),
         0, 1080},
        {"a loop past the last segment plays once",
         soundSession({loop("1:00.0", "0", "0"), loop("1:00.5", "3", "2"), loop("1:00.0", "0", "2")}), 0, 361},
        {"two loops, from segment 3",
         soundSession({loop("0:01.0", "2", "2"), loop("0:02.0", "0", "2"), loop("0:03.0", "2", "15"), loop("0:04.0", "0", "15"),
                       loop("0:05.5", "0", "0")}),
         2, 221},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        for (int rate : {8000, 11025}) {
            const Ears ears = renderEars(c.cells, rate, -1, c.from);
            EXPECT_EQ(qint64(ears.left.size()), (c.halfSeconds * rate + 1) / 2) << rate;
        }
    }
}

// The meter on its own thread against the same meter fed in place.
#include "audio/LoudnessMeter.h"
#include "audio/MeterThread.h"

#include <gtest/gtest.h>
#include <cmath>
#include <vector>

namespace {
constexpr int MeterRate = 48000;

// A tone swelling and fading over the frames, left and right apart.
template <typename Sample>
std::vector<Sample> tone(qint64 frames)
{
    std::vector<Sample> stereo(size_t(2 * frames));
    for (qint64 i = 0; i < frames; ++i) {
        const double swell = 0.1 + 0.8 * std::sin(M_PI * double(i) / double(frames));
        const double left = swell * std::sin(2 * M_PI * 997 * double(i) / MeterRate);
        const double right = 0.5 * swell * std::sin(2 * M_PI * 440 * double(i) / MeterRate);
        if constexpr (std::is_same_v<Sample, float>) {
            stereo[size_t(2 * i)] = float(left);
            stereo[size_t(2 * i + 1)] = float(right);
        } else {
            stereo[size_t(2 * i)] = Sample(std::lround(left * 32767));
            stereo[size_t(2 * i + 1)] = Sample(std::lround(right * 32767));
        }
    }
    return stereo;
}

// The sound in blocks of blockFrames (the last one shorter) through the
// thread, and in place.
template <typename Sample>
void expectTheSameLoudness(qint64 frames, qint64 blockFrames)
{
    const std::vector<Sample> sound = tone<Sample>(frames);
    LoudnessMeter inPlace(MeterRate);
    MeterThread<Sample> thread(MeterRate, blockFrames);
    for (qint64 done = 0; done < frames; done += blockFrames) {
        const qint64 count = std::min(blockFrames, frames - done);
        inPlace.add(sound.data() + 2 * done, count);
        Sample *block = thread.nextBlock();
        std::copy(sound.begin() + 2 * done, sound.begin() + 2 * (done + count), block);
        thread.measure(count);
    }
    const Loudness expected = inPlace.loudness();
    const Loudness measured = thread.loudness();
    EXPECT_EQ(measured.integrated, expected.integrated);
    EXPECT_EQ(measured.truePeak, expected.truePeak);
    EXPECT_GT(measured.integrated, -30);
}
} // namespace

TEST(MeterThread, MeasuresWhatTheMeterMeasuresInPlace)
{
    const struct
    {
        const char *name;
        qint64 frames;
        qint64 blockFrames;
    } cases[] = {
        {"many blocks, each block used again", 10 * MeterRate, 4096},
        {"one block, part of it", MeterRate / 2, 65536},
        {"an uneven last block", 3 * MeterRate + 17, 10000},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        expectTheSameLoudness<qint16>(c.frames, c.blockFrames);
        expectTheSameLoudness<float>(c.frames, c.blockFrames);
    }
}

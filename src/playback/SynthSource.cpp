#include "playback/SynthSource.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {
constexpr qint64 BytesPerFrame = 2 * sizeof(qint16);
constexpr qint64 MostFrames = 4096;
} // namespace

SynthSource::SynthSource(std::unique_ptr<SessionSynth> synth, QObject *parent)
    : QIODevice(parent), mSynth(std::move(synth)), mBlock(size_t(2 * MostFrames))
{
    open(QIODevice::ReadOnly);
}

qint64 SynthSource::bytesAvailable() const
{
    return MostFrames * BytesPerFrame + QIODevice::bytesAvailable();
}

qint64 SynthSource::readData(char *data, qint64 maxSize)
{
    const qint64 frames = std::min(maxSize / BytesPerFrame, MostFrames);
    const qint64 rendered = mSynth->render(mBlock.data(), frames);
    auto *out = reinterpret_cast<qint16 *>(data);
    for (qint64 i = 0; i < 2 * rendered; ++i)
        out[i] = qint16(std::lrint(std::clamp(mBlock[size_t(i)], -1.0f, 1.0f) * 32767.0f));
    std::memset(out + 2 * rendered, 0, size_t((frames - rendered) * BytesPerFrame));
    return frames * BytesPerFrame;
}

#include "playback/SynthSource.h"

#include <algorithm>
#include <cstring>

namespace {
constexpr qint64 BytesPerFrame = 2 * sizeof(qint16);
constexpr qint64 MostFrames = 4096;
// Rendered in 10 ms steps, so that each segment change is seen and marked.
constexpr qint64 MarkFrames = 441;
// Far more changes than the output holds: a segment lasts at least half a second.
constexpr size_t MostMarks = 16;
} // namespace

SynthSource::SynthSource(std::unique_ptr<SessionSynth> synth, QObject *parent)
    : QIODevice(parent), mSynth(std::move(synth))
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
    auto *out = reinterpret_cast<qint16 *>(data);
    qint64 rendered = 0;
    while (rendered < frames) {
        const qint64 start = mSynth->position();
        const qint64 wanted = std::min(MarkFrames, frames - rendered);
        const qint64 got = mSynth->render(out + 2 * rendered, wanted);
        // A block can cross into the next segment: the mark goes where it began,
        // so the shown segment never runs ahead of the shown time.
        if (got > 0)
            markSegment(std::max(start, mSynth->renderedColumnStart()), mSynth->renderedColumn());
        rendered += got;
        if (got < wanted)
            break;
    }
    if (mSynth->atEnd())
        markSegment(mSynth->position(), -1);
    std::memset(out + 2 * rendered, 0, size_t((frames - rendered) * BytesPerFrame));
    return frames * BytesPerFrame;
}

void SynthSource::markSegment(qint64 frame, int column)
{
    if (!mMarks.empty() && mMarks.back().column == column)
        return;
    mMarks.push_back({frame, column});
    if (mMarks.size() > MostMarks)
        mMarks.pop_front();
}

int SynthSource::columnAt(qint64 frame) const
{
    for (auto mark = mMarks.rbegin(); mark != mMarks.rend(); ++mark) {
        if (mark->frame <= frame)
            return mark->column;
    }
    return mMarks.empty() ? mSynth->playingColumn() : mMarks.front().column;
}

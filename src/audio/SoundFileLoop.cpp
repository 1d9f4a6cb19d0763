#include "audio/SoundFileLoop.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cmath>
#include <sndfile.h>

namespace {
constexpr int ReadFrames = 4096;

qint16 toCached(float value)
{
    return qint16(std::lrint(std::clamp(value, -1.0f, 1.0f) * 32767.0f));
}
} // namespace

SoundFileLoop::SoundFileLoop(const QString &path, bool loop, double crossfadeMs)
    : mLoop(loop)
{
    // A pipe would keep the reader waiting, a device give sound for ever.
    if (const QFileInfo file(path); file.exists() && !file.isFile()) {
        mError = QCoreApplication::translate("SoundFileLoop", "It is no regular file.");
        return;
    }
    SF_INFO info{};
    mFile = sf_open(QFile::encodeName(path).constData(), SFM_READ, &info);
    if (!mFile) {
        mError = QString::fromUtf8(sf_strerror(nullptr));
        return;
    }
    if (info.channels < 1 || info.samplerate < 1 || info.frames < 1) {
        mError = QCoreApplication::translate("SoundFileLoop", "It holds no sound.");
        sf_close(mFile);
        mFile = nullptr;
        return;
    }
    // Decoded sound is wanted as -1 to 1 whatever the file holds.
    sf_command(mFile, SFC_SET_NORM_FLOAT, nullptr, SF_TRUE);
    mRate = info.samplerate;
    mChannels = info.channels;
    mFrames = info.frames;
    mLoopEnd = mFrames;
    SF_INSTRUMENT instrument{};
    if (sf_command(mFile, SFC_GET_INSTRUMENT, &instrument, sizeof instrument) == SF_TRUE && instrument.loop_count > 0
        && instrument.loops[0].mode != SF_LOOP_NONE) {
        const qint64 start = instrument.loops[0].start;
        const qint64 end = instrument.loops[0].end;
        if (start >= 0 && start < end && end <= mFrames) {
            mLoopStart = start;
            mLoopEnd = end;
        }
    }
    mScratch.resize(size_t(ReadFrames) * size_t(mChannels));
    if (!mLoop)
        return;
    const qint64 longest = std::min<qint64>(qint64(LongestCrossfadeSeconds * mRate), (mLoopEnd - mLoopStart) / 2);
    mCrossfade = std::clamp<qint64>(std::llround(crossfadeMs * mRate / 1000), 0, longest);
    if (mCrossfade > 0) {
        mHead.resize(size_t(2 * mCrossfade));
        readDecoded(mLoopStart, int(mCrossfade), mHead.data());
    }
    mCaching = mLoopEnd * 2 * qint64(sizeof(qint16)) <= CacheBytes;
    if (mCaching)
        mCache.reserve(size_t(2 * mLoopEnd));
}

SoundFileLoop::~SoundFileLoop()
{
    if (mFile)
        sf_close(mFile);
}

qint64 SoundFileLoop::length() const
{
    return mLoop ? -1 : mFrames;
}

void SoundFileLoop::seek(qint64 frame)
{
    mPlayed = std::max<qint64>(0, frame);
}

qint64 SoundFileLoop::fileFrameOf(qint64 played) const
{
    if (!mLoop || played < mLoopEnd)
        return played;
    // After the first pass the crossfade's frames were already heard under
    // the loop's end.
    const qint64 period = mLoopEnd - mLoopStart - mCrossfade;
    return mLoopStart + mCrossfade + (played - mLoopEnd) % period;
}

void SoundFileLoop::read(float *stereo, int n)
{
    while (n > 0) {
        const qint64 frame = fileFrameOf(mPlayed);
        if (!mFile || frame >= mFrames) {
            std::fill_n(stereo, 2 * n, 0.0f);
            mPlayed += n;
            return;
        }
        const qint64 fadeFrom = mLoopEnd - mCrossfade;
        const qint64 limit = !mLoop ? mFrames - frame : frame < fadeFrom ? fadeFrom - frame : mLoopEnd - frame;
        const int count = int(std::min<qint64>(n, limit));
        readFile(frame, count, stereo);
        if (mLoop && frame >= fadeFrom)
            blendHead(frame - fadeFrom, count, stereo);
        mPlayed += count;
        stereo += 2 * count;
        n -= count;
    }
}

// The loop's end fades out while its start fades in.
void SoundFileLoop::blendHead(qint64 offset, int n, float *stereo) const
{
    const double perFrame = 1.0 / double(mCrossfade);
    for (int i = 0; i < n; ++i) {
        const float in = float((double(offset + i) + 0.5) * perFrame);
        const size_t head = size_t(2 * (offset + i));
        for (int ear = 0; ear < 2; ++ear)
            stereo[2 * i + ear] = (1 - in) * stereo[2 * i + ear] + in * mHead[head + size_t(ear)];
    }
}

// From the cache when it holds the frames, else from the file, caching what
// continues the cache.
void SoundFileLoop::readFile(qint64 frame, int n, float *stereo)
{
    const qint64 cached = qint64(mCache.size() / 2);
    const int fromCache = int(std::clamp<qint64>(cached - frame, 0, n));
    const qint16 *cache = mCache.data() + 2 * frame;
    for (int i = 0; i < 2 * fromCache; ++i)
        stereo[i] = float(cache[i]) * (1.0f / 32767.0f);
    if (fromCache == n)
        return;
    frame += fromCache;
    stereo += 2 * fromCache;
    n -= fromCache;
    readDecoded(frame, n, stereo);
    // What is kept is heard as kept from the first pass on: every pass
    // sounds the same.
    if (mCaching && frame == cached && frame + n <= mLoopEnd) {
        for (int i = 0; i < 2 * n; ++i) {
            mCache.push_back(toCached(stereo[i]));
            stereo[i] = float(mCache.back()) * (1.0f / 32767.0f);
        }
    }
}

void SoundFileLoop::readDecoded(qint64 frame, int n, float *stereo)
{
    if (frame != mFilePosition) {
        sf_seek(mFile, frame, SEEK_SET);
        mFilePosition = frame;
    }
    while (n > 0) {
        const int want = std::min(n, ReadFrames);
        const int got = int(std::max<sf_count_t>(0, sf_readf_float(mFile, mScratch.data(), want)));
        for (int i = 0; i < got; ++i) {
            const float *in = mScratch.data() + size_t(i) * size_t(mChannels);
            stereo[2 * i] = in[0];
            stereo[2 * i + 1] = mChannels > 1 ? in[1] : in[0];
        }
        // A file shorter than it said: the rest is silence.
        std::fill(stereo + 2 * got, stereo + 2 * want, 0.0f);
        mFilePosition += got;
        if (got < want)
            mFilePosition = -1;
        stereo += 2 * want;
        n -= want;
    }
}

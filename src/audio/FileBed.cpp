#include "audio/FileBed.h"

#include <algorithm>
#include <cmath>

FileBed::FileBed(const QString &path, double gainDb, bool loop, double crossfadeMs, int sampleRate)
    : mSound(path, loop, crossfadeMs)
    , mGain(float(std::pow(10.0, gainDb / 20)))
    , mSameRate(mSound.sampleRate() == sampleRate)
    , mStep(double(mSound.sampleRate()) / sampleRate)
{
    seek(0);
}

qint64 FileBed::length() const
{
    const qint64 frames = mSound.length();
    return frames < 0 ? -1 : qint64(std::ceil(double(frames) / mStep));
}

void FileBed::seek(qint64 frame)
{
    mFrame = frame;
    mInput.clear();
    if (mSameRate) {
        mSound.seek(frame);
        return;
    }
    // One frame before the first one interpolated, silent before the start.
    mInputStart = qint64(std::floor(double(frame) * mStep)) - 1;
    mSound.seek(std::max<qint64>(0, mInputStart));
    if (mInputStart < 0)
        mInput.assign(size_t(-2 * mInputStart), 0.0f);
}

void FileBed::add(float *left, float *right, const float *envelope, int n)
{
    mBlock.resize(size_t(2 * n));
    float *stereo = mBlock.data();
    if (mSameRate)
        mSound.read(stereo, n);
    else
        convert(stereo, n);
    mFrame += n;
    const float gain = mGain;
    for (int i = 0; i < n; ++i) {
        const float scale = gain * envelope[i];
        left[i] += scale * stereo[2 * i];
        right[i] += scale * stereo[2 * i + 1];
    }
}

// Reads the file on until mInput holds its frame `through`.
void FileBed::fill(qint64 through)
{
    const qint64 held = mInputStart + qint64(mInput.size() / 2);
    if (through < held)
        return;
    const int more = int(through - held + 1);
    const size_t at = mInput.size();
    mInput.resize(at + size_t(2 * more));
    mSound.read(mInput.data() + at, more);
}

// Catmull-Rom interpolation through the four frames around each position.
void FileBed::convert(float *stereo, int n)
{
    const qint64 last = qint64(std::floor(double(mFrame + n - 1) * mStep));
    fill(last + 2);
    for (int i = 0; i < n; ++i) {
        const double position = double(mFrame + i) * mStep;
        const qint64 whole = qint64(std::floor(position));
        const float t = float(position - double(whole));
        const float *p = mInput.data() + 2 * (whole - 1 - mInputStart);
        for (int ear = 0; ear < 2; ++ear) {
            const float a = p[ear], b = p[2 + ear], c = p[4 + ear], d = p[6 + ear];
            stereo[2 * i + ear] =
                b + 0.5f * t * (c - a + t * (2 * a - 5 * b + 4 * c - d + t * (3 * (b - c) + d - a)));
        }
    }
    // Keeps the frame before the next position and those after it.
    const qint64 next = qint64(std::floor(double(mFrame + n) * mStep)) - 1;
    const qint64 drop = std::clamp<qint64>(next - mInputStart, 0, qint64(mInput.size() / 2));
    mInput.erase(mInput.begin(), mInput.begin() + 2 * drop);
    mInputStart += drop;
}

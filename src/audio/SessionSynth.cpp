#include "audio/SessionSynth.h"

#include "core/session/ConversionError.h"
#include "core/session/SegmentStarts.h"

#include <algorithm>
#include <cmath>
#include <type_traits>

namespace {
// Peak of one voice at full volume: two voices or a chord share it, so the
// sum never clips.
constexpr float Loudness = 0.5f;
constexpr double FadeSeconds = 0.010;
constexpr double LevelGlideSeconds = 0.005; // a level step takes this long
constexpr double PulseEdgeSeconds = 0.002;

// Clipped and rounded half away from zero, in a form the compiler turns into
// vector instructions, unlike lrint.
inline qint16 toSample(float value)
{
    const float scaled = std::min(std::max(value * 32767.0f, -32767.0f), 32767.0f);
    return qint16(int(scaled + std::copysign(0.5f, scaled)));
}

qint64 floorDiv(qint64 a, qint64 b)
{
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)));
}
} // namespace

SessionSynth::SessionSynth(const SessionGrid &cells, int sampleRate, int fromColumn)
    : mRate(sampleRate), mFromColumn(fromColumn), mBeds(sampleRate)
{
    measure(cells);
    mCells = cells;
    mEndFrame = mTotalFrames;
    restartWalk();
}

// Reads every time and loop cell once, so that the walks that play the
// session can never stop on a text that is not a number.
void SessionSynth::measure(const SessionGrid &cells)
{
    SegmentStarts counted;
    countSegmentStarts(cells, counted);
    if (!counted.error.isEmpty())
        throw ConversionError(counted.error);
    mTotalHalfSeconds = counted.total;
    const bool reached = mFromColumn >= 0 && size_t(mFromColumn) < counted.starts.size();
    mOrigin = reached ? counted.starts[size_t(mFromColumn)] : mTotalHalfSeconds;
    mTotalFrames = std::max<qint64>(0, frameAt(mTotalHalfSeconds));
    mBeds.setSessionLength(originFrames() + mTotalFrames);
}

qint64 SessionSynth::originFrames() const
{
    return floorDiv(mOrigin * mRate + 1, 2);
}

qint64 SessionSynth::frameAt(qint64 halfSeconds) const
{
    // To the nearest frame, a half frame up.
    return floorDiv((halfSeconds - mOrigin) * mRate + 1, 2);
}

qint64 SessionSynth::naturalEnd() const
{
    return mLimit < 0 ? mTotalFrames : std::min(mTotalFrames, mLimit);
}

void SessionSynth::setLimit(qint64 frames)
{
    mLimit = frames;
    mEndFrame = naturalEnd();
}

double SessionSynth::sessionSeconds() const
{
    return mOrigin / 2.0 + double(std::min(mFrame, mEndFrame)) / mRate;
}

void SessionSynth::setCells(const SessionGrid &cells)
{
    measure(cells);
    mCells = cells;
    if (!mFadingOut)
        mEndFrame = naturalEnd();
    locate(mFrame);
}

void SessionSynth::fadeOut(qint64 frames)
{
    mFadingOut = true;
    mEndFrame = std::min(mEndFrame, mFrame + frames);
}

void SessionSynth::fadeIn()
{
    mFadingOut = false;
    mFadeStart = mFrame;
    mEndFrame = naturalEnd();
}

void SessionSynth::rewind()
{
    mFrame = 0;
    mFadeStart = 0;
    mFadingOut = false;
    mEndFrame = naturalEnd();
    mLevel = 0;
    for (Oscillator *oscillator : {&mLeft, &mRight, &mLeft2, &mRight2, &mPulse})
        *oscillator = Oscillator();
    for (Oscillator &oscillator : mChord)
        oscillator = Oscillator();
    mBeds.rewind();
    restartWalk();
}

void SessionSynth::startAt(qint64 frame)
{
    mFadeStart = frame;
    locate(frame);
}

void SessionSynth::setNoise(const NoiseChoice &noise)
{
    mBeds.setNoise(noise);
}

void SessionSynth::setBeds(const BedList &beds)
{
    mBeds.setBeds(beds);
}

void SessionSynth::restartWalk()
{
    mWalk.emplace(mCells, LoopRule::LatestStart);
    mBeats = FrequencyWalk(Freq1Row);
    mBeats2 = FrequencyWalk(Freq2Row);
    mPreviousLevel = 0;
    mHavePass = false;
}

// Moves to the next pass that sounds at or after mFrame. Earlier passes are
// still read: a ramp starts where the pass played before it ended.
bool SessionSynth::nextPass()
{
    PlayedSegment segment;
    while (mWalk->next(segment)) {
        Pass &pass = mPass;
        pass.column = segment.column;
        pass.startFrame = frameAt(segment.start);
        pass.endFrame = frameAt(segment.start + segment.halfSeconds);
        pass.sound = readSegmentSound(mCells, segment.column);
        pass.beat = mBeats.nextHertz(mCells, segment.column);
        pass.beat2 = mBeats2.nextHertz(mCells, segment.column);
        pass.levelTo = pass.sound.level;
        pass.levelFrom = pass.sound.levelRamp ? mPreviousLevel : pass.sound.level;
        mPreviousLevel = pass.sound.level;
        const double fastest = std::max(pass.beat.start, pass.beat.end);
        const double duty = pass.sound.duty;
        pass.edge = std::min({PulseEdgeSeconds * fastest, duty / 4, (1 - duty) / 4});
        if (pass.endFrame > pass.startFrame && pass.endFrame > mFrame) {
            if (!mHavePass)
                mLevel = pass.levelFrom;
            mHavePass = true;
            return true;
        }
    }
    return false;
}

void SessionSynth::locate(qint64 frame)
{
    restartWalk();
    mFrame = frame;
    if (!nextPass())
        mEndFrame = std::min(mEndFrame, mFrame);
}

// Sets every oscillator to the frequency and glide of the current pass at
// mFrame; the phases go on.
void SessionSynth::tune()
{
    const Pass &pass = mPass;
    const double length = double(pass.endFrame - pass.startFrame);
    const double at = double(mFrame - pass.startFrame) / length;
    const double nyquistGuard = 0.45 * mRate;
    auto set = [&](Oscillator &oscillator, double startHz, double endHz) {
        startHz = std::clamp(startHz, 0.0, nyquistGuard);
        endHz = std::clamp(endHz, 0.0, nyquistGuard);
        const double nowHz = startHz + (endHz - startHz) * at;
        oscillator.setFrequency(nowHz / mRate, (endHz - startHz) / length / mRate);
    };
    const SegmentSound &sound = pass.sound;
    const FrequencyRun &beat = pass.beat;
    const FrequencyRun &beat2 = pass.beat2;
    switch (sound.kind) {
    case ToneKind::Binaural:
    case ToneKind::Dual:
        set(mLeft, sound.pitch, sound.pitch);
        set(mRight, sound.pitch + beat.start, sound.pitch + beat.end);
        set(mLeft2, sound.pitch2, sound.pitch2);
        set(mRight2, sound.pitch2 + beat2.start, sound.pitch2 + beat2.end);
        break;
    case ToneKind::Chord:
        for (int i = 0; i < 4; ++i) {
            const double hz = sound.pitch * chordShape(sound.chord).ratios[size_t(i)];
            set(mChord[i], hz, hz);
        }
        [[fallthrough]];
    default:
        set(mLeft, sound.pitch, sound.pitch);
        set(mPulse, beat.start, beat.end);
        break;
    }
}

qint64 SessionSynth::render(float *stereo, qint64 frames)
{
    return renderFrames(stereo, frames);
}

qint64 SessionSynth::render(qint16 *stereo, qint64 frames)
{
    return renderFrames(stereo, frames);
}

template <typename Sample>
qint64 SessionSynth::renderFrames(Sample *stereo, qint64 frames)
{
    qint64 done = 0;
    while (done < frames && mFrame < mEndFrame) {
        if (!mHavePass || mFrame >= mPass.endFrame) {
            if (!nextPass()) {
                mEndFrame = mFrame;
                break;
            }
        }
        const qint64 run = std::min({frames - done, mPass.endFrame - mFrame, mEndFrame - mFrame});
        tune();
        for (qint64 at = 0; at < run;) {
            const int block = int(std::min<qint64>(BlockFrames, run - at));
            renderBlock(stereo + 2 * (done + at), block);
            at += block;
            mFrame += block;
        }
        done += run;
    }
    return done;
}

template <typename Sample>
void SessionSynth::renderBlock(Sample *out, int frames)
{
    const bool mono = synthesize(frames);
    shapeLevel(frames);
    const bool fading = shapeFade(frames);
    float *left = mLeftBlock.data();
    float *right = mono ? left : mRightBlock.data();
    const float *gain = mGain.data();
    const float outputGain = mOutputGain;
    if (!mBeds.isSilent()) {
        for (int i = 0; i < frames; ++i) {
            left[i] *= gain[i];
            if (!mono)
                right[i] *= gain[i];
        }
        if (mono)
            std::copy_n(left, frames, mRightBlock.data());
        right = mRightBlock.data();
        mBeds.add(left, right, fading ? mFade.data() : nullptr, frames, originFrames() + mFrame);
        std::fill_n(mGain.data(), frames, 1.0f);
    }
    for (int i = 0; i < frames; ++i) {
        const float l = outputGain * gain[i] * left[i];
        const float r = outputGain * gain[i] * right[i];
        if constexpr (std::is_same_v<Sample, float>) {
            out[2 * i] = l;
            out[2 * i + 1] = r;
        } else {
            out[2 * i] = toSample(l);
            out[2 * i + 1] = toSample(r);
        }
    }
}

// The tones of the block before their level, into mLeftBlock and
// mRightBlock; true when both ears hear the same, in mLeftBlock alone.
bool SessionSynth::synthesize(int frames)
{
    const SegmentSound &sound = mPass.sound;
    float *left = mLeftBlock.data();
    float *right = mRightBlock.data();
    const auto store = [](float *to, float share) { return [to, share](int i, float v) { to[i] = share * v; }; };
    const auto add = [](float *to, float share) { return [to, share](int i, float v) { to[i] += share * v; }; };
    switch (sound.kind) {
    case ToneKind::Binaural:
        mLeft.run(frames, store(left, 1));
        mRight.run(frames, store(right, 1));
        return false;
    case ToneKind::Dual:
        mLeft.run(frames, store(left, 0.5f));
        mLeft2.run(frames, add(left, 0.5f));
        mRight.run(frames, store(right, 0.5f));
        mRight2.run(frames, add(right, 0.5f));
        return false;
    case ToneKind::Chord: {
        const ChordShape &chord = chordShape(sound.chord);
        const float share = 1.0f / float(chord.tones);
        mChord[0].run(frames, store(left, share));
        for (int t = 1; t < chord.tones; ++t)
            mChord[t].run(frames, add(left, share));
        pulse(frames);
        return true;
    }
    case ToneKind::Isochronic:
        mLeft.run(frames, store(left, 1));
        pulse(frames);
        return true;
    case ToneKind::Smooth:
        mLeft.run(frames, store(left, 1));
        if (mPass.beat.start > 0 || mPass.beat.end > 0)
            mPulse.run(frames, [left](int i, float v) { left[i] *= 0.5f - 0.5f * v; }, Oscillator::QuarterTurn);
        else
            mPulse.advance(frames);
        return true;
    case ToneKind::Silent:
        break;
    }
    std::fill_n(left, frames, 0.0f);
    return true;
}

// Pulses the tone in mLeftBlock: on for the duty cycle, with soft edges.
void SessionSynth::pulse(int frames)
{
    if (mPass.beat.start <= 0 && mPass.beat.end <= 0) {
        mPulse.advance(frames);
        return;
    }
    float *tone = mLeftBlock.data();
    const float duty = float(mPass.sound.duty);
    const float perEdge = float(1 / mPass.edge);
    mPulse.runTurns(frames, [=](int i, float turn) {
        const float envelope = std::min(1.0f, std::min(turn, duty - turn) * perEdge);
        tone[i] *= turn < duty ? envelope : 0.0f;
    });
}

// The level of each frame into mGain: a step glides at most 1/glide a
// frame, a ramp follows the segment.
void SessionSynth::shapeLevel(int frames)
{
    const Pass &pass = mPass;
    const double length = double(pass.endFrame - pass.startFrame);
    const double levelSlope = (pass.levelTo - pass.levelFrom) / length;
    const double glide = 1.0 / (LevelGlideSeconds * mRate);
    const double from = pass.levelFrom + levelSlope * double(mFrame - pass.startFrame);
    float *gain = mGain.data();
    int i = 0;
    for (; i < frames; ++i) {
        const double gap = from + levelSlope * i - mLevel;
        if (std::abs(gap) <= glide)
            break;
        mLevel += gap > 0 ? glide : -glide;
        gain[i] = Loudness * float(mLevel);
    }
    // Caught up: a ramp is always slower than the glide.
    if (i < frames) {
        for (int k = i; k < frames; ++k)
            gain[k] = Loudness * float(from + levelSlope * k);
        mLevel = from + levelSlope * (frames - 1);
    }
}

// The fade in and out of the block into mFade, and onto mGain; false when
// the block has none.
bool SessionSynth::shapeFade(int frames)
{
    const qint64 fadeFrames = qint64(std::ceil(FadeSeconds * mRate));
    const bool fadingIn = mFrame < mFadeStart + fadeFrames;
    const bool fadingOut = mFrame + frames > mEndFrame - fadeFrames;
    if (!fadingIn && !fadingOut)
        return false;
    const double fadeSlope = 1.0 / (FadeSeconds * mRate);
    for (int i = 0; i < frames; ++i) {
        const qint64 frame = mFrame + i;
        const double fade = std::min({1.0, double(frame - mFadeStart) * fadeSlope, double(mEndFrame - frame) * fadeSlope});
        mFade[size_t(i)] = float(std::max(fade, 0.0));
        mGain[size_t(i)] *= mFade[size_t(i)];
    }
    return true;
}

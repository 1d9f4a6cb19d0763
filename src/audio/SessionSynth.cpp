#include "audio/SessionSynth.h"

#include "core/session/ConversionError.h"
#include "core/session/SegmentStarts.h"

#include <algorithm>
#include <cmath>

namespace {
// Peak of one voice at full volume: two voices or a chord share it, so the
// sum never clips.
constexpr float Loudness = 0.5f;
constexpr double FadeSeconds = 0.010;
constexpr double LevelGlideSeconds = 0.005; // a level step takes this long
constexpr double PulseEdgeSeconds = 0.002;

qint64 floorDiv(qint64 a, qint64 b)
{
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)));
}
} // namespace

SessionSynth::SessionSynth(const SessionGrid &cells, int sampleRate, int fromColumn)
    : mRate(sampleRate), mFromColumn(fromColumn)
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
    restartWalk();
}

void SessionSynth::startAt(qint64 frame)
{
    mFadeStart = frame;
    locate(frame);
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
        renderRun(stereo + 2 * done, run);
        done += run;
        mFrame += run;
    }
    return done;
}

void SessionSynth::renderRun(float *out, qint64 frames)
{
    const Pass &pass = mPass;
    const SegmentSound &sound = pass.sound;
    const double length = double(pass.endFrame - pass.startFrame);
    const double levelSlope = (pass.levelTo - pass.levelFrom) / length;
    double target = pass.levelFrom + levelSlope * double(mFrame - pass.startFrame);
    const double glide = 1.0 / (LevelGlideSeconds * mRate);
    const double fadeSlope = 1.0 / (FadeSeconds * mRate);
    const double duty = sound.duty;
    const double edge = pass.edge;
    const bool pulsing = pass.beat.start > 0 || pass.beat.end > 0;
    const ChordShape &chord = chordShape(sound.chord);
    const float chordShare = 1.0f / float(chord.tones);

    for (qint64 i = 0; i < frames; ++i) {
        const qint64 frame = mFrame + i;
        mLevel += std::clamp(target - mLevel, -glide, glide);
        target += levelSlope;
        const double fade = std::min({1.0, double(frame - mFadeStart) * fadeSlope,
                                      double(mEndFrame - frame) * fadeSlope});
        const float gain = Loudness * float(mLevel * std::max(fade, 0.0));
        float left = 0;
        float right = 0;
        switch (sound.kind) {
        case ToneKind::Binaural:
            left = mLeft.next();
            right = mRight.next();
            break;
        case ToneKind::Dual:
            left = 0.5f * (mLeft.next() + mLeft2.next());
            right = 0.5f * (mRight.next() + mRight2.next());
            break;
        case ToneKind::Isochronic:
        case ToneKind::Chord: {
            const double turn = Oscillator::turns(mPulse.nextPhase());
            float envelope = 1;
            if (pulsing)
                envelope = turn < duty ? float(std::min({1.0, turn / edge, (duty - turn) / edge})) : 0.0f;
            float tone;
            if (sound.kind == ToneKind::Chord) {
                tone = 0;
                for (int t = 0; t < chord.tones; ++t)
                    tone += mChord[t].next();
                tone *= chordShare;
            } else {
                tone = mLeft.next();
            }
            left = right = envelope * tone;
            break;
        }
        case ToneKind::Smooth: {
            const uint64_t phase = mPulse.nextPhase();
            const float envelope = pulsing ? 0.5f - 0.5f * Oscillator::sine(phase + Oscillator::QuarterTurn) : 1.0f;
            left = right = envelope * mLeft.next();
            break;
        }
        case ToneKind::Silent:
            break;
        }
        out[2 * i] = gain * left;
        out[2 * i + 1] = gain * right;
    }
}

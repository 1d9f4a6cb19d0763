#pragma once

#include "audio/BedMix.h"
#include "audio/Oscillator.h"
#include "core/session/SegmentSound.h"
#include "core/session/PlayedWalk.h"
#include "core/session/SessionGrid.h"
#include "core/graph/GraphFrequencies.h"

#include <algorithm>
#include <array>
#include <optional>

// Renders a session as stereo sound, block by block: the segments in the
// order the timing summary plays them, each for its time. Memory stays the
// same whatever the session's length. Frames count from the first pass of
// the segment the sound starts at.
class SessionSynth
{
public:
    // Raises ConversionError for a time or loop text that is not a number.
    SessionSynth(const SessionGrid &cells, int sampleRate, int fromColumn = 0);

    int sampleRate() const { return mRate; }
    // The played length from the start segment to the session's end.
    qint64 totalFrames() const { return mTotalFrames; }
    // Ends the sound after this many frames (fading out), if that is earlier.
    void setLimit(qint64 frames);
    qint64 endFrame() const { return mEndFrame; }
    qint64 position() const { return mFrame; }
    bool atEnd() const { return mFrame >= mEndFrame; }
    // Where the sound is in the whole session, and the session's length.
    double sessionSeconds() const;
    double sessionTotalSeconds() const { return mTotalHalfSeconds / 2.0; }
    // The segment (column) sounding now; -1 at the end.
    int playingColumn() const { return atEnd() ? -1 : renderedColumn(); }
    // The segment of the last frame rendered; the start segment before any.
    int renderedColumn() const { return mHavePass ? mPass.column : mFromColumn; }
    // Where that segment's sound began; 0 before any.
    qint64 renderedColumnStart() const { return mHavePass ? std::max<qint64>(0, mPass.startFrame) : 0; }

    // Up to `frames` frames, left and right interleaved; fewer only at the end.
    qint64 render(float *stereo, qint64 frames);
    // The same as 16-bit samples, clipped.
    qint64 render(qint16 *stereo, qint64 frames);

    // Mixes noise under the tones from here on (and after a rewind); it
    // fades in and out with them but ignores their volume.
    void setNoise(const NoiseChoice &noise);
    // Mixes the session's beds under the tones, as the noise.
    void setBeds(const BedList &beds);
    // Scales everything from here on: tones and noise.
    void setGain(float gain) { mOutputGain = gain; }

    // Starts the sound this many frames after the start segment's start
    // instead, fading in there; before the first render.
    void startAt(qint64 frame);
    // Back to the start as constructed (the limit kept): what follows
    // renders exactly as the first time.
    void rewind();

    // Takes edited cells; the sound goes on from the same position with them.
    // Raises ConversionError (and keeps the old cells) as the constructor does.
    void setCells(const SessionGrid &cells);
    // Fades out over the next `frames` frames and ends there.
    void fadeOut(qint64 frames);
    // Fades in from the current position, undoing an earlier fadeOut.
    void fadeIn();

private:
    struct Pass
    {
        int column = 0;
        qint64 startFrame = 0;
        qint64 endFrame = 0;
        SegmentSound sound;
        FrequencyRun beat;
        FrequencyRun beat2;
        double levelFrom = 0;
        double levelTo = 0;
        double edge = 0; // soft pulse edge, in turns of the pulse
    };

    void measure(const SessionGrid &cells);
    qint64 frameAt(qint64 halfSeconds) const;
    // Frames from the session's start to the start segment.
    qint64 originFrames() const;
    qint64 naturalEnd() const;
    void restartWalk();
    bool nextPass();
    void locate(qint64 frame);
    void tune();
    template <typename Sample>
    qint64 renderFrames(Sample *stereo, qint64 frames);
    template <typename Sample>
    void renderBlock(Sample *stereo, int frames);
    bool synthesize(int frames);
    void pulse(int frames);
    void shapeLevel(int frames);
    bool shapeFade(int frames);

    static constexpr int BlockFrames = 1024;

    SessionGrid mCells;
    const int mRate;
    const int mFromColumn;
    qint64 mOrigin = 0;           // half seconds before the start segment
    qint64 mTotalHalfSeconds = 0; // the whole session
    qint64 mTotalFrames = 0;
    qint64 mLimit = -1;
    qint64 mEndFrame = 0;
    qint64 mFrame = 0;
    qint64 mFadeStart = 0;
    bool mFadingOut = false;

    std::optional<PlayedWalk> mWalk;
    FrequencyWalk mBeats{Freq1Row};
    FrequencyWalk mBeats2{Freq2Row};
    double mPreviousLevel = 0;
    Pass mPass;
    bool mHavePass = false;

    double mLevel = 0; // smoothed
    Oscillator mLeft, mRight, mLeft2, mRight2, mPulse;
    Oscillator mChord[4];
    BedMix mBeds;
    float mOutputGain = 1;

    // One block on its way out: the tones (the right ear empty when both
    // ears hear the same), the gain of each frame, the fade.
    std::array<float, BlockFrames> mLeftBlock{};
    std::array<float, BlockFrames> mRightBlock{};
    std::array<float, BlockFrames> mGain{};
    std::array<float, BlockFrames> mFade{};
};

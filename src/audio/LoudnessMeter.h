#pragma once

#include "audio/Loudness.h"
#include "audio/TruePeak.h"

#include <QtGlobal>
#include <ebur128.h>

// Measures a stereo sound fed to it block by block: its integrated loudness,
// as libebur128 does, and its true peak, four times oversampled.
class LoudnessMeter
{
public:
    explicit LoudnessMeter(int sampleRate);
    ~LoudnessMeter();
    LoudnessMeter(const LoudnessMeter &) = delete;
    LoudnessMeter &operator=(const LoudnessMeter &) = delete;

    // Left and right interleaved.
    template <typename Sample>
    void add(const Sample *stereo, qint64 frames)
    {
        addToLoudness(stereo, frames);
        addToPeak(stereo, frames);
    }
    // The two halves of add(), which may run at once on two threads.
    void addToLoudness(const float *stereo, qint64 frames);
    void addToLoudness(const qint16 *stereo, qint64 frames);
    void addToPeak(const float *stereo, qint64 frames);
    void addToPeak(const qint16 *stereo, qint64 frames);
    Loudness loudness() const;

private:
    ebur128_state *mState;
    TruePeak mLeftPeak;
    TruePeak mRightPeak;
};

#pragma once

#include "audio/SoundFileLoop.h"

#include <vector>

// A sound file at the rate of the session's sound, with its gain. A file
// at that rate plays sample for sample; another is converted by cubic
// interpolation between its frames.
class FileBed
{
public:
    FileBed(const QString &path, double gainDb, bool loop, double crossfadeMs, int sampleRate);

    bool isOpen() const { return mSound.isOpen(); }
    QString error() const { return mSound.error(); }
    // The frames it plays at the session's rate; -1 when it loops for ever.
    qint64 length() const;

    // Moves to `frame` frames into what it plays.
    void seek(qint64 frame);
    // Adds the next n frames, each times envelope[i].
    void add(float *left, float *right, const float *envelope, int n);

private:
    void convert(float *stereo, int n);
    void fill(qint64 through);

    SoundFileLoop mSound;
    const float mGain;
    const bool mSameRate;
    const double mStep; // the file's frames per frame
    qint64 mFrame = 0;
    // The file's frames from mInputStart on, stereo, as the interpolation
    // needs them.
    std::vector<float> mInput;
    qint64 mInputStart = 0;
    std::vector<float> mBlock;
};

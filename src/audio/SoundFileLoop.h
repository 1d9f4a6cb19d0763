#pragma once

#include <QString>
#include <QtGlobal>
#include <vector>

struct sf_private_tag;

// A sound file as stereo, read a block at a time from its start and, when
// looped, round and round for ever: from the end of its loop back to the
// loop's start, sample for sample. The loop is the one the file's metadata
// marks, if any, else the whole file. A crossfade blends the loop's end into
// its start, for files not cut to loop.
//
// Memory stays small: the sound is streamed from the file. Only a looped
// file that fits CacheBytes keeps what it decoded on its first pass, so
// that each file is decoded once however long it plays.
class SoundFileLoop
{
public:
    static constexpr qint64 CacheBytes = 48 * 1024 * 1024;
    static constexpr double LongestCrossfadeSeconds = 10;

    SoundFileLoop(const QString &path, bool loop, double crossfadeMs);
    ~SoundFileLoop();
    SoundFileLoop(const SoundFileLoop &) = delete;
    SoundFileLoop &operator=(const SoundFileLoop &) = delete;

    // False when the file cannot be read; error() tells why. It then plays
    // as silence.
    bool isOpen() const { return mFile != nullptr; }
    QString error() const { return mError; }
    int sampleRate() const { return mRate; }
    // The frames it plays; -1 when it loops for ever.
    qint64 length() const;
    qint64 loopStart() const { return mLoopStart; }
    qint64 loopEnd() const { return mLoopEnd; }

    // Moves to `frame` frames into what it plays.
    void seek(qint64 frame);
    // The next n frames, left and right interleaved; silence after the end.
    void read(float *stereo, int n);

private:
    qint64 fileFrameOf(qint64 played) const;
    void readFile(qint64 frame, int n, float *stereo);
    void readDecoded(qint64 frame, int n, float *stereo);
    void blendHead(qint64 offset, int n, float *stereo) const;

    sf_private_tag *mFile = nullptr;
    QString mError;
    int mRate = 44100;
    int mChannels = 0;
    qint64 mFrames = 0;      // in the file
    bool mLoop = false;
    qint64 mLoopStart = 0;
    qint64 mLoopEnd = 0;     // the frame after the loop's last
    qint64 mCrossfade = 0;   // frames
    qint64 mPlayed = 0;
    qint64 mFilePosition = 0;
    std::vector<float> mScratch;  // one read, in the file's channels
    std::vector<float> mHead;     // the crossfade's frames after the loop start, stereo
    std::vector<qint16> mCache;   // stereo, from the file's start
    bool mCaching = false;
};

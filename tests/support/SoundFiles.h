#pragma once

#include <QString>
#include <vector>

// A sound file as a player reads it; frames counted by decoding it all.
struct SoundFile
{
    int format = 0;
    int rate = 0;
    int channels = 0;
    qint64 frames = -1; // -1 when it cannot be read
};
SoundFile readSoundFile(const QString &path);

// Writes stereo frames (left and right interleaved) in a libsndfile format,
// with a forward loop from loopStart to loopEnd (exclusive) in its metadata
// when loopEnd is above 0. False when the file cannot be written.
bool writeSoundFile(const QString &path, int format, int rate, const std::vector<float> &stereo, qint64 loopStart = 0,
                    qint64 loopEnd = 0);
// Every frame of a file as stereo, left and right interleaved.
std::vector<float> readStereo(const QString &path);

#pragma once

#include <QString>

// A sound file as a player reads it; frames counted by decoding it all.
struct SoundFile
{
    int format = 0;
    int rate = 0;
    int channels = 0;
    qint64 frames = -1; // -1 when it cannot be read
};
SoundFile readSoundFile(const QString &path);

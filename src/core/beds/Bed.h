#pragma once

#include <QString>
#include <vector>

// A sound under the session's tones: a sound file or noise. Heard in the
// preview and written into exported sound files, never sent to the device.
struct Bed
{
    enum Kind { File, WhiteNoise, PinkNoise, BrownNoise };

    Kind kind = File;
    QString path;        // File: absolute
    double gain = 0;     // dB: a file's gain; noise's RMS level in dBFS
    double start = 0;    // seconds from the session's start
    double fadeIn = 0;   // seconds
    double fadeOut = 0;  // seconds, ending where the bed ends
    bool loop = false;   // a file repeats until the session ends
    double crossfade = 0; // milliseconds where a looped file meets its start

    bool isNoise() const { return kind != File; }
    bool operator==(const Bed &other) const
    {
        return kind == other.kind && path == other.path && gain == other.gain && start == other.start
            && fadeIn == other.fadeIn && fadeOut == other.fadeOut && loop == other.loop
            && crossfade == other.crossfade;
    }
    bool operator!=(const Bed &other) const { return !(*this == other); }
};

using BedList = std::vector<Bed>;

#pragma once

#include "audio/FileBed.h"
#include "audio/NoiseBed.h"
#include "core/beds/Bed.h"

#include <memory>
#include <optional>
#include <vector>

// The beds under a session's tones, each from its start time to its end
// (a file's end, or the session's for a looped file and for noise), fading
// in and out over its fades, at its gain. The listener's noise is one more
// bed, over the whole session.
class BedMix
{
public:
    explicit BedMix(int sampleRate);

    // The listener's noise.
    void setNoise(const NoiseChoice &noise);
    // The session's beds: their files are opened here. A file that cannot
    // be read plays as silence.
    void setBeds(const BedList &beds);
    // Where the session ends, in frames from its start.
    void setSessionLength(qint64 frames);

    bool isSilent() const;
    // The same sound again from wherever it is asked for next.
    void rewind();
    // Adds the beds at frames `at` (from the session's start) to at + n - 1,
    // times fade[i] when fade is given.
    void add(float *left, float *right, const float *fade, int n, qint64 at);

private:
    struct Voice
    {
        Bed bed;
        qint64 start = 0;
        qint64 length = -1; // -1: to the session's end
        qint64 fadeIn = 0;
        qint64 fadeOut = 0;
        qint64 next = -1; // the bed's frame that follows the last one added
        std::unique_ptr<FileBed> file;
        std::optional<NoiseBed> noise;
    };
    void addVoice(Voice &voice, float *left, float *right, const float *fade, int n, qint64 at);

    const int mRate;
    qint64 mSessionLength = 0;
    std::vector<Voice> mVoices;
    std::optional<NoiseBed> mListenerNoise;
    std::vector<float> mEnvelope;
};

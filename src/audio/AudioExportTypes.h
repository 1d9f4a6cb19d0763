#pragma once

#include "audio/Loudness.h"

#include <QString>
#include <functional>
#include <optional>

// What an export of a session's sound is told and tells.

// The sound file formats an export writes, chosen by the file's extension in
// any letter case (AudioFormats declares them).
enum class AudioFileType { Wav, Flac, Ogg, Mp3 };
std::optional<AudioFileType> audioFileTypeOf(const QString &path);

// How the compressed formats are written.
struct AudioEncoding
{
    static constexpr int FastestFlacLevel = 0;
    static constexpr int SmallestFlacLevel = 8;
    static constexpr int DefaultFlacLevel = 0;
    static constexpr int DefaultMp3Bitrate = 192;
    // What MP3 offers at 32000 samples a second and more; below that MP3
    // tops out at 160, and below 16000 at 64.
    static constexpr int Mp3Bitrates[] = {32, 64, 96, 128, 160, 192, 224, 256, 320};

    int flacLevel = DefaultFlacLevel;
    int mp3Bitrate = DefaultMp3Bitrate; // kbit/s, constant
};

struct AudioExportResult
{
    enum Outcome { Written, Cancelled, Failed };
    Outcome outcome = Failed;
    QString error; // why it failed, for a person to read
    Loudness loudness; // of the sound written, when measured
};

// What an export does about loudness: measures it, and may first bring it to
// a target.
struct LoudnessChoice
{
    bool measured = true;
    std::optional<double> target; // LUFS; the true peak stays under Loudness::TruePeakCeiling
};

// Called now and then with the frames written and the frames to write;
// returning false cancels.
using AudioExportProgress = std::function<bool(qint64 done, qint64 total)>;

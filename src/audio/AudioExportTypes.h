#pragma once

#include "audio/Loudness.h"

#include <QString>
#include <functional>
#include <optional>

// What an export of a session's sound is told and tells.

// The sound file formats an export writes, chosen by the file's extension
// (".wav", ".flac", ".ogg", in any case).
enum class AudioFileType { Wav, Flac, Ogg };
std::optional<AudioFileType> audioFileTypeOf(const QString &path);

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

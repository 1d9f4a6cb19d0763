#pragma once

#include <QString>
#include <functional>
#include <optional>

class SessionSynth;

// The sound file formats an export writes, chosen by the file's extension
// (".wav", ".flac", ".ogg", in any case).
enum class AudioFileType { Wav, Flac, Ogg };
std::optional<AudioFileType> AudioFileTypeOf(const QString &path);

struct AudioExportResult
{
    enum Outcome { Written, Cancelled, Failed };
    Outcome outcome = Failed;
    QString error; // why it failed, for a person to read
};

// Called now and then with the frames written and the frames to write;
// returning false cancels.
using AudioExportProgress = std::function<bool(qint64 done, qint64 total)>;

// Writes all the synthesizer renders, stereo, 16-bit for WAV and FLAC, into
// a temporary file beside `path` and renames it to `path` only when every
// byte has reached the disk. A cancel or a failure removes the temporary
// file and leaves an existing file at `path` as it was.
AudioExportResult ExportAudio(SessionSynth &synth, const QString &path, AudioFileType type,
                              const AudioExportProgress &progress = {});

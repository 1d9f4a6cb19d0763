#pragma once

#include "audio/AudioExportTypes.h"

class SessionSynth;

// Writes all the synthesizer renders, stereo, 16-bit for WAV and FLAC, at
// the bit rate and FLAC level `encoding` asks for, into
// a temporary file beside `path` (a link followed) and renames it to `path`
// only when every byte has reached the disk. A cancel or a failure removes
// the temporary file and leaves an existing file at `path` as it was. A
// character device is written as it is; anything else that is no regular
// file, and a disk that may not hold the file, are refused before a byte is
// written.
//
// The result tells the loudness of the sound written, unless `loudness` asks
// for none. With a target, the sound is measured in a first pass (with its
// own progress, before anything is written) and then rendered again from the
// start with the gain that meets the target, or as much of it as the true
// peak ceiling allows.
AudioExportResult exportAudio(SessionSynth &synth, const QString &path, AudioFileType type,
                              const AudioExportProgress &progress = {}, const LoudnessChoice &loudness = {},
                              const AudioEncoding &encoding = {});

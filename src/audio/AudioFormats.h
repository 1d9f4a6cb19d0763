#pragma once

#include "audio/AudioExportTypes.h"
#include "core/exchange/FileFormat.h"

#include <QList>

// A sound file format a session's sound is exported to: a file format that
// carries no session back, only its sound.
struct AudioFormat
{
    FileFormat file;
    AudioFileType type;
};

// Every sound format, each declared once, in the order offered; the first is
// the default.
QList<AudioFormat> audioFormats();
// The file formats alone, for filters and extension lists.
QList<FileFormat> audioFileFormats();

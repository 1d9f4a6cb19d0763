#include "audio/AudioExportTypes.h"

#include <QFileInfo>

using namespace Qt::Literals::StringLiterals;

std::optional<AudioFileType> audioFileTypeOf(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == u"wav"_s)
        return AudioFileType::Wav;
    if (suffix == u"flac"_s)
        return AudioFileType::Flac;
    if (suffix == u"ogg"_s)
        return AudioFileType::Ogg;
    if (suffix == u"mp3"_s)
        return AudioFileType::Mp3;
    return std::nullopt;
}

#include "audio/AudioFormats.h"

#include <QCoreApplication>

using namespace Qt::Literals::StringLiterals;

namespace {
struct AudioFormatsTexts
{
    Q_DECLARE_TR_FUNCTIONS(AudioFormats)
};

AudioFormat soundFormat(const QString &name, const QString &extension, AudioFileType type)
{
    return {{name, {extension}, {}, {}}, type};
}
} // namespace

QList<AudioFormat> audioFormats()
{
    return {soundFormat(AudioFormatsTexts::tr("WAV sound, 16-bit"), u"wav"_s, AudioFileType::Wav),
            soundFormat(AudioFormatsTexts::tr("FLAC sound, 16-bit"), u"flac"_s, AudioFileType::Flac),
            soundFormat(AudioFormatsTexts::tr("Ogg Vorbis sound"), u"ogg"_s, AudioFileType::Ogg),
            soundFormat(AudioFormatsTexts::tr("MP3 sound"), u"mp3"_s, AudioFileType::Mp3)};
}

QList<FileFormat> audioFileFormats()
{
    QList<FileFormat> files;
    for (const AudioFormat &format : audioFormats())
        files.append(format.file);
    return files;
}

std::optional<AudioFileType> audioFileTypeOf(const QString &path)
{
    for (const AudioFormat &format : audioFormats()) {
        if (format.file.matches(path))
            return format.type;
    }
    return std::nullopt;
}

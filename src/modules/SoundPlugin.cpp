#include "modules/SoundPlugin.h"

#include "audio/AudioExport.h"
#include "playback/MediaAudioOutput.h"

#include <QAudioDevice>
#include <QMediaDevices>

using namespace Qt::Literals::StringLiterals;

std::unique_ptr<AudioOutput> SoundPlugin::openOutput(int sampleRate, int bufferMs,
                                                     const std::function<void()> &stateChanged, QString &error)
{
    if (!mDevices)
        mDevices = new QMediaDevices(this);
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull()) {
        error = u"No audio output is available: no sound device or sound server was found."_s;
        return nullptr;
    }
    QAudioFormat format;
    format.setSampleRate(sampleRate);
    format.setChannelCount(2);
    format.setSampleFormat(QAudioFormat::Int16);
    if (!device.isFormatSupported(format)) {
        error = u"No audio output is available: \"%1\" cannot play 16-bit stereo at %2 Hz."_s
                    .arg(device.description())
                    .arg(sampleRate);
        return nullptr;
    }
    return std::make_unique<MediaAudioOutput>(device, format, bufferMs, stateChanged);
}

AudioExportResult SoundPlugin::exportAudio(SessionSynth &synth, const QString &path, AudioFileType type,
                                           const AudioExportProgress &progress)
{
    return ::exportAudio(synth, path, type, progress);
}

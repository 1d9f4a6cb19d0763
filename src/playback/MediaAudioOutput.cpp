#include "playback/MediaAudioOutput.h"

#include <QAudioDevice>
#include <QCoreApplication>
#include <QMediaDevices>

using namespace Qt::Literals::StringLiterals;

namespace {
struct MediaAudioOutputTexts
{
    Q_DECLARE_TR_FUNCTIONS(AudioOutput)
};
} // namespace

std::unique_ptr<AudioOutput> MediaAudioOutput::openDefault(int sampleRate, int bufferMs,
                                                           const std::function<void()> &stateChanged, QString &error)
{
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull()) {
        error = MediaAudioOutputTexts::tr("No audio output is available: no sound device or sound server was found.");
        return nullptr;
    }
    QAudioFormat format;
    format.setSampleRate(sampleRate);
    format.setChannelCount(2);
    format.setSampleFormat(QAudioFormat::Int16);
    if (!device.isFormatSupported(format)) {
        error = MediaAudioOutputTexts::tr("No audio output is available: \"%1\" cannot play 16-bit stereo at %2 Hz.")
                    .arg(device.description())
                    .arg(sampleRate);
        return nullptr;
    }
    return std::make_unique<MediaAudioOutput>(device, format, bufferMs, stateChanged);
}

MediaAudioOutput::MediaAudioOutput(const QAudioDevice &device, const QAudioFormat &format, int bufferMs,
                                   const std::function<void()> &stateChanged)
    : mSink(device, format)
{
    mSink.setBufferSize(format.bytesForDuration(qint64(bufferMs) * 1000));
    QObject::connect(&mSink, &QAudioSink::stateChanged, &mSink, [stateChanged] { stateChanged(); });
}

AudioOutput::State MediaAudioOutput::state() const
{
    switch (mSink.state()) {
    case QAudio::ActiveState:
        return State::Active;
    case QAudio::SuspendedState:
        return State::Suspended;
    case QAudio::IdleState:
        return State::Idle;
    case QAudio::StoppedState:
        break;
    }
    return State::Stopped;
}

AudioOutput::Error MediaAudioOutput::error() const
{
    switch (mSink.error()) {
    case QAudio::NoError:
        return Error::None;
    case QAudio::OpenError:
        return Error::Open;
    case QAudio::UnderrunError:
        return Error::Underrun;
    case QAudio::IOError:
    case QAudio::FatalError:
        break;
    }
    return Error::Other;
}

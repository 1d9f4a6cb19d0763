#include "playback/MediaAudioOutput.h"

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

#pragma once

#include "playback/AudioOutput.h"

#include <QAudioSink>
#include <functional>

// AudioOutput on a Qt Multimedia sink.
class MediaAudioOutput : public AudioOutput
{
public:
    MediaAudioOutput(const QAudioDevice &device, const QAudioFormat &format, int bufferMs,
                     const std::function<void()> &stateChanged);

    void start(QIODevice *source) override { mSink.start(source); }
    void suspend() override { mSink.suspend(); }
    void resume() override { mSink.resume(); }
    void stop() override { mSink.stop(); }
    State state() const override;
    Error error() const override;
    qint64 processedUSecs() const override { return mSink.processedUSecs(); }

private:
    QAudioSink mSink;
};

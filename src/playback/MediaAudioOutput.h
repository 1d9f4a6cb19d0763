#pragma once

#include "playback/AudioOutput.h"

#include <QAudioSink>
#include <functional>
#include <memory>

// AudioOutput on a Qt Multimedia sink.
class MediaAudioOutput : public AudioOutput
{
public:
    // The default output for 16-bit stereo at sampleRate, holding bufferMs of
    // sound; stateChanged is called on each change of its state or error.
    // Null, with the reason in error, when there is none that can play it.
    static std::unique_ptr<AudioOutput> openDefault(int sampleRate, int bufferMs,
                                                    const std::function<void()> &stateChanged, QString &error);

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

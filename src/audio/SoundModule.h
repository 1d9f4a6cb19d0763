#pragma once

#include "audio/AudioExportTypes.h"

#include <QObject>
#include <functional>
#include <memory>

class AudioOutput;
class SessionSynth;

// The sound module: the computer's sound output and sound files, with the
// libraries they need, loaded when first used.
class SoundModule
{
public:
    static constexpr QLatin1StringView Name{"sound"};

    virtual ~SoundModule() = default;

    // The default output for 16-bit stereo at sampleRate, holding bufferMs of
    // sound; stateChanged is called on each change of its state or error.
    // Null, with the reason in error, when there is none that can play it.
    virtual std::unique_ptr<AudioOutput> openOutput(int sampleRate, int bufferMs,
                                                    const std::function<void()> &stateChanged,
                                                    QString &error) = 0;
    // The free exportAudio().
    virtual AudioExportResult exportAudio(SessionSynth &synth, const QString &path, AudioFileType type,
                                          const AudioExportProgress &progress) = 0;
};

#define SoundModule_iid "org.mirandel.SoundModule/1"
Q_DECLARE_INTERFACE(SoundModule, SoundModule_iid)

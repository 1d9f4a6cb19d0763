#pragma once

#include "audio/SoundModule.h"

#include <QObject>

class QMediaDevices;

// The sound module's entry: Qt Multimedia for the output, libsndfile for the
// files.
class SoundPlugin : public QObject, public SoundModule
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID SoundModule_iid)
    Q_INTERFACES(SoundModule)
public:
    std::unique_ptr<AudioOutput> openOutput(int sampleRate, int bufferMs, const std::function<void()> &stateChanged,
                                            QString &error) override;
    AudioExportResult exportAudio(SessionSynth &synth, const QString &path, AudioFileType type,
                                  const AudioExportProgress &progress) override;

private:
    // Watches the device list once sound is first wanted, so that a later
    // Play finds it known.
    QMediaDevices *mDevices = nullptr;
};

#pragma once

#include "audio/AudioExportTypes.h"

#include <QObject>
#include <atomic>
#include <memory>

class QThread;
class SessionSynth;

// An export on a thread of its own, so that the window that starts it keeps
// answering; progress and the outcome come back to the starting thread.
class AudioExportJob : public QObject
{
    Q_OBJECT
public:
    AudioExportJob(std::unique_ptr<SessionSynth> synth, const QString &path, AudioFileType type,
                   const LoudnessChoice &loudness = {}, const AudioEncoding &encoding = {},
                   QObject *parent = nullptr);
    // Cancels a running export and waits until its temporary file is gone.
    ~AudioExportJob() override;

    void start();
    void cancel() { mCancelled = true; }

signals:
    // At most a thousand times over the export.
    void progressed(qint64 done, qint64 total);
    void finished(const AudioExportResult &result);

private:
    void run();

    std::unique_ptr<SessionSynth> mSynth;
    const QString mPath;
    const AudioFileType mType;
    const LoudnessChoice mLoudness;
    const AudioEncoding mEncoding;
    std::atomic_bool mCancelled{false};
    QThread *mThread = nullptr;
};

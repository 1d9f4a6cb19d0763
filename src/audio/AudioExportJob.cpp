#include "audio/AudioExportJob.h"

#include "audio/AudioExport.h"
#include "audio/SessionSynth.h"

#include <QThread>

AudioExportJob::AudioExportJob(std::unique_ptr<SessionSynth> synth, const QString &path, AudioFileType type,
                               const LoudnessChoice &loudness, const AudioEncoding &encoding, QObject *parent)
    : QObject(parent), mSynth(std::move(synth)), mPath(path), mType(type), mLoudness(loudness), mEncoding(encoding)
{
}

AudioExportJob::~AudioExportJob()
{
    if (mThread) {
        mCancelled = true;
        mThread->wait();
        delete mThread;
    }
}

void AudioExportJob::start()
{
    mThread = QThread::create([this] { run(); });
    mThread->start();
}

void AudioExportJob::run()
{
    qint64 shownPerMille = -1;
    const AudioExportResult result = exportAudio(*mSynth, mPath, mType, [&](qint64 done, qint64 total) {
        const qint64 perMille = total > 0 ? done * 1000 / total : 1000;
        if (perMille != shownPerMille) {
            shownPerMille = perMille;
            QMetaObject::invokeMethod(this, [this, done, total] { emit progressed(done, total); });
        }
        return !mCancelled;
    }, mLoudness, mEncoding);
    QMetaObject::invokeMethod(this, [this, result] {
        mThread->wait();
        emit finished(result);
    });
}

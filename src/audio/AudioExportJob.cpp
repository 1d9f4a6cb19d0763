#include "audio/AudioExportJob.h"

#include "audio/SessionSynth.h"
#include "audio/SoundModule.h"
#include "session/ProgramModules.h"

#include <QThread>

using namespace Qt::Literals::StringLiterals;

AudioExportJob::AudioExportJob(std::unique_ptr<SessionSynth> synth, const QString &path, AudioFileType type,
                               QObject *parent)
    : QObject(parent), mSynth(std::move(synth)), mPath(path), mType(type)
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
    QString error;
    SoundModule *sound = programModule<SoundModule>(SoundModule::Name, &error);
    if (!sound) {
        const AudioExportResult result{
            AudioExportResult::Failed,
            u"Cannot write \"%1\": the sound module cannot be loaded (%2)."_s.arg(mPath, error)};
        QMetaObject::invokeMethod(this, [this, result] { emit finished(result); }, Qt::QueuedConnection);
        return;
    }
    mThread = QThread::create([this, sound] { run(*sound); });
    mThread->start();
}

void AudioExportJob::run(SoundModule &sound)
{
    qint64 shownPerMille = -1;
    const AudioExportResult result = sound.exportAudio(*mSynth, mPath, mType, [&](qint64 done, qint64 total) {
        const qint64 perMille = total > 0 ? done * 1000 / total : 1000;
        if (perMille != shownPerMille) {
            shownPerMille = perMille;
            QMetaObject::invokeMethod(this, [this, done, total] { emit progressed(done, total); });
        }
        return !mCancelled;
    });
    QMetaObject::invokeMethod(this, [this, result] {
        mThread->wait();
        emit finished(result);
    });
}

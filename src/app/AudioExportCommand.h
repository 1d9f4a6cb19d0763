#pragma once

#include "audio/AudioExportTypes.h"

#include <QObject>
#include <memory>

class AudioExportJob;
class MainWindow;
class QProgressDialog;

// File > Export Audio: asks for a sound file, then writes the session's
// sound on a thread of its own behind a progress dialog with Cancel.
class AudioExportCommand : public QObject
{
    Q_OBJECT
public:
    static constexpr int SampleRate = 44100;

    AudioExportCommand(MainWindow &mainWindow, QObject *parent = nullptr);
    ~AudioExportCommand() override;

    // The file dialog, then the export.
    void run();
    // Starts writing the session to path, its format by the extension.
    void exportTo(const QString &path);
    bool isRunning() const { return mJob != nullptr; }
    QProgressDialog *progressDialog() const { return mProgress; }

signals:
    void finished(AudioExportResult::Outcome outcome);

private:
    QString askFileName();
    void finish(const AudioExportResult &result);

    MainWindow &mMain;
    QProgressDialog *mProgress = nullptr;
    QString mFileName; // of the export running or last run
    std::unique_ptr<AudioExportJob> mJob;
};

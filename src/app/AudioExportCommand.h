#pragma once

#include "audio/AudioExportTypes.h"

#include <QObject>
#include <memory>
#include <optional>

class AudioExportJob;
class QMainWindow;
class QProgressDialog;
class SessionEditor;

// File > Export Audio: asks for a sound file (and whether to normalise its
// loudness), then writes the session's sound on a thread of its own behind a
// progress dialog with Cancel. The status bar then tells the loudness.
class AudioExportCommand : public QObject
{
    Q_OBJECT
public:
    static constexpr int SampleRate = 44100;

    // The dialogs and the report are the window's.
    AudioExportCommand(SessionEditor &editor, QMainWindow &window, QObject *parent = nullptr);
    ~AudioExportCommand() override;

    // The file dialog, then the export.
    void run();
    // Starts writing the session to path, its format by the extension,
    // brought to targetLoudness (LUFS) when given, with the noise bed of the
    // user's preferences.
    void exportTo(const QString &path, std::optional<double> targetLoudness = std::nullopt,
                  const AudioEncoding &encoding = {});
    bool isRunning() const { return mJob != nullptr; }
    QProgressDialog *progressDialog() const { return mProgress; }

signals:
    void finished(AudioExportResult::Outcome outcome);

private:
    struct Choice
    {
        QString path; // empty when cancelled
        std::optional<double> targetLoudness;
        AudioEncoding encoding;
    };
    Choice askFileName();
    void finish(const AudioExportResult &result);

    SessionEditor &mEditor;
    QMainWindow &mWindow;
    QProgressDialog *mProgress = nullptr;
    std::unique_ptr<AudioExportJob> mJob;
    QString mFileName; // of the export running
};

#pragma once

#include "core/device/DownloadProgress.h"

#include <QDialog>

class QLabel;
class QProgressBar;
class QPushButton;

// Shown while a download asks the device and while its bytes go out: how many
// have left, the time the rest needs at line speed, and Cancel. It blocks the
// window it belongs to, which goes on repainting.
class DownloadProgressDialog : public QDialog, public DownloadProgress
{
    Q_OBJECT
public:
    explicit DownloadProgressDialog(QWidget *parent = nullptr);

    // The device is asked first; Cancel works then too.
    void deviceAsked();
    void sendingStarted(int totalBytes) override;
    void sendingProgressed(int bytesSent, int totalBytes, int msLeft) override;
    void sendingEnded() override;

    QProgressBar *bar() const { return mBar; }

signals:
    // Cancel, Escape or the close box.
    void cancelRequested();

public slots:
    void reject() override;

private:
    QLabel *mText;
    QProgressBar *mBar;
    QPushButton *mCancel;
    bool mActive = false;
};

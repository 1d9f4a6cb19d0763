#pragma once

#include "core/compiler/SessionImage.h"
#include "core/device/DeviceInfo.h"
#include "gui/device/PacedSender.h"

#include <QObject>
#include <QTimer>
#include <functional>
#include <memory>
#include <optional>

class DownloadProgress;
class Prompter;
class SerialLink;
struct Session;

// The conversation with the device over the COM port: opening the port, the
// identification and the download. Both go on from the event loop, on timers:
// a start returns at once, and the outcome comes with identificationFinished
// or downloadFinished (at once too when no wait was needed). Messages go to
// the prompter, each with the normal cursor.
class DeviceLink : public QObject
{
    Q_OBJECT
public:
    // Extra time a download may take beyond twice its line time.
    static constexpr int DrainMarginMs = PacedSender::DeadlineMarginMs;

    explicit DeviceLink(SerialLink &port, QObject *parent = nullptr);

    // Opens COM port `port` (1 to 4) and leaves it open. False after "No COM
    // port is selected" or "COM port could not be opened", or with a beep
    // while a conversation is under way.
    bool checkPort(int port, Prompter &prompter);
    // checkPort, then the identification; fills info(). False, with a beep
    // and no signal, while a conversation is under way. The port stays open
    // either way.
    bool startIdentification(int port, Prompter &prompter);
    // Encodes the session at once and sends it to the device on
    // comPortNumber, replacing (clear) or adding to its sessions. Shows the
    // hourglass meanwhile. False, with a beep and no signal, while a
    // conversation is under way. downloadFinished says true when every byte
    // has left; the port is then closed. The bytes go out at the line's
    // pace; progress, when set, is told how they go.
    bool startDownload(bool clear, const Session &session, int comPortNumber, Prompter &prompter);
    // Stops a download at any moment, its identification included: what is
    // still queued is discarded, the port closed, and "Download cancelled"
    // shown.
    void cancelDownload();
    // Ends the conversation under way at once and without a word or a
    // signal, closing the port: the program is going away.
    void abandon();
    void setProgress(DownloadProgress *progress) { mProgress = progress; }
    // Bytes sent by the last complete download.
    int lastDownloadBytes() const { return mLastDownloadBytes; }
    void closePort();

    // A conversation is under way; device commands that come meanwhile are
    // refused.
    bool isBusy() const { return mStage != Stage::Idle; }
    // The system device COM port `port` opens here.
    QString portDevice(int port) const;
    // Left by the last successful identification.
    const DeviceInfo &info() const { return mInfo; }
    // The same, or null before the first successful identification.
    const DeviceInfo *identifiedDevice() const { return mIdentified ? &mInfo : nullptr; }

signals:
    void identificationFinished(bool found);
    void downloadFinished(bool sent);

private:
    enum class Stage { Idle, Identifying, Sending };

    bool refusedWhileBusy(Prompter &prompter) const;
    bool openPort(int port, Prompter &prompter);
    void begin(const std::function<void()> &firstSteps);
    void identify(int port);
    void answerWaitOver();
    void identified(bool found);
    bool readAnswer();
    bool fitsDevice(int segmentCount, Prompter &prompter) const;
    void send();
    void sendingOver(PacedSender::Outcome outcome);
    void endDownload(bool sent);
    // Runs a step from the event loop, where nothing may throw: a port that
    // fails ends the conversation in the standard error report.
    void guarded(const std::function<void()> &step);

    SerialLink &mPort;
    DeviceInfo mInfo;
    bool mIdentified = false;
    DownloadProgress *mProgress = nullptr;
    int mLastDownloadBytes = 0;

    // The conversation under way.
    Stage mStage = Stage::Idle;
    Prompter *mPrompter = nullptr;
    QTimer mAnswerWait;
    qint64 mAnswerDue = 0;
    bool mDownloading = false;
    bool mClear = false;
    bool mAborted = false;
    int mSegmentCount = 0;
    int mBytesSending = 0;
    std::optional<SessionImage> mImage;
    std::unique_ptr<PacedSender> mSender;
};

#pragma once

#include "core/device/DeviceInfo.h"
#include "gui/device/PacedSender.h"

class DownloadProgress;
class Prompter;
class SerialLink;
struct Session;

// The conversation with the device over the COM port: opening the port, the
// identification and the download. Messages go to the prompter, each with
// the normal cursor.
class DeviceLink
{
public:
    // Extra time a download may take beyond twice its line time.
    static constexpr int DrainMarginMs = PacedSender::DeadlineMarginMs;

    explicit DeviceLink(SerialLink &port);

    // Opens COM port `port` (1 to 4) and leaves it open. False after "No COM
    // port is selected" or "COM port could not be opened".
    bool checkPort(int port, Prompter &prompter);
    // checkPort, then the identification; fills info(). False after its
    // message. The port stays open either way.
    bool checkSystem(int port, Prompter &prompter);
    // Encodes the session and sends it to the device on comPortNumber,
    // replacing (clear) or adding to its sessions. True when every byte has
    // left; the port is then closed. Shows the hourglass meanwhile. The bytes
    // go out at the line's pace with the event loop running; progress, when
    // set, is told how they go.
    bool download(bool clear, const Session &session, int comPortNumber, Prompter &prompter);
    // Stops a download's sending at once: what is still queued is discarded,
    // the port closed, and "Download cancelled" shown.
    void cancelDownload();
    void setProgress(DownloadProgress *progress) { mProgress = progress; }
    // Bytes sent by the last complete download.
    int lastDownloadBytes() const { return mLastDownloadBytes; }
    void closePort();

    // A conversation is under way. Its identification wait keeps the user
    // interface alive, so device commands that come meanwhile are refused.
    bool isBusy() const { return mBusy; }
    // The system device COM port `port` opens here.
    QString portDevice(int port) const;
    // Left by the last successful identification.
    const DeviceInfo &info() const { return mInfo; }
    // The same, or null before the first successful identification.
    const DeviceInfo *identifiedDevice() const { return mIdentified ? &mInfo : nullptr; }

private:
    enum class Identification { Found, NotFound, Interrupted };

    bool refusedWhileBusy(Prompter &prompter) const;
    bool openPort(int port, Prompter &prompter);
    Identification identify(int port, Prompter &prompter);
    bool readAnswer();
    bool fitsDevice(int segmentCount, Prompter &prompter) const;
    bool sendImage(const SessionImage &image, int segmentCount, Prompter &prompter);

    SerialLink &mPort;
    DeviceInfo mInfo;
    bool mBusy = false;
    bool mIdentified = false;
    DownloadProgress *mProgress = nullptr;
    PacedSender *mSender = nullptr;
    int mLastDownloadBytes = 0;
};

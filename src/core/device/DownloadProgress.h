#pragma once

// Told how a download's bytes go out, so that the user can watch them and
// stop the download (DeviceLink::cancelDownload).
class DownloadProgress
{
public:
    virtual ~DownloadProgress() = default;
    virtual void sendingStarted(int totalBytes) = 0;
    // bytesSent of totalBytes have left; msLeft is what the rest needs at
    // line speed.
    virtual void sendingProgressed(int bytesSent, int totalBytes, int msLeft) = 0;
    // Complete, cancelled or failed: no more progress comes.
    virtual void sendingEnded() = 0;
};

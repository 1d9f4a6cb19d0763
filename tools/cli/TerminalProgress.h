#pragma once

#include "TerminalLine.h"
#include "core/device/DownloadProgress.h"

#include <QString>

// A download's progress on one line of stderr, rewritten in place; only
// while stderr is a terminal.
class TerminalProgress : public DownloadProgress
{
public:
    static bool isWanted();

    void sendingStarted(int totalBytes) override;
    void sendingProgressed(int bytesSent, int totalBytes, int msLeft) override;
    void sendingEnded() override;

private:
    TerminalLine mLine;
};

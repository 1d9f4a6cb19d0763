#pragma once

#include <QByteArray>
#include <QElapsedTimer>

class DownloadProgress;
class QEventLoop;
class SerialLink;

// Sends bytes through an open port at the pace of its line, a few at a time
// from the event loop: the window stays alive, progress can be shown, and a
// cancel leaves almost nothing queued to discard. A pseudo-terminal or an
// adapter that does not report its queue takes everything at once, so the
// line time, not the queue alone, sets the pace.
class PacedSender
{
public:
    enum class Outcome {
        Sent,       // every byte has left
        Stopped,    // the line stalled beyond its deadline or went away before every byte had left
        Cancelled,  // cancel() was called
        Interrupted // a quit request ended the wait
    };

    // Extra time the bytes may take beyond twice their line time.
    static constexpr int DeadlineMarginMs = 2000;
    // How far the bytes queued may run ahead of the line.
    static constexpr int LeadMs = 100;
    static constexpr int TickMs = 20;

    PacedSender(SerialLink &port, const QByteArray &bytes, DownloadProgress *progress);

    // Sends, running the event loop until the send is over. Discards nothing
    // and leaves the port open.
    Outcome run();
    void cancel();

private:
    void tick();
    void finish(Outcome outcome);
    void report(int sent);
    int bytesByTime() const;

    SerialLink &mPort;
    const QByteArray mBytes;
    DownloadProgress *mProgress;
    QElapsedTimer mClock;
    QEventLoop *mLoop = nullptr;
    int mWritten = 0;
    // Every byte written and the system's queue seen empty.
    bool mAllLeft = false;
    bool mOver = false;
    Outcome mOutcome = Outcome::Interrupted;
};

#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QTimer>
#include <functional>

class DownloadProgress;
class SerialLink;

// Sends bytes through an open port at the pace of its line, a few at a time
// on a timer: the window stays alive, progress can be shown, and a cancel
// leaves almost nothing queued to discard. A pseudo-terminal or an
// adapter that does not report its queue takes everything at once, so the
// line time, not the queue alone, sets the pace.
class PacedSender
{
public:
    enum class Outcome {
        Sent,       // every byte has left
        Stopped,    // the line stalled beyond its deadline or went away before every byte had left
        Cancelled,  // cancel() was called
        Abandoned   // abandon() was called: the program stops it without a word
    };
    using Finished = std::function<void(Outcome)>;

    // Extra time the bytes may take beyond twice their line time.
    static constexpr int DeadlineMarginMs = 2000;
    // How far the bytes queued may run ahead of the line.
    static constexpr int LeadMs = 100;
    static constexpr int TickMs = 20;

    // `finished` is told the outcome once, from inside the sender: it must
    // not destroy the sender.
    PacedSender(SerialLink &port, const QByteArray &bytes, DownloadProgress *progress, Finished finished);
    PacedSender(const PacedSender &) = delete;
    PacedSender &operator=(const PacedSender &) = delete;

    // Starts sending; the first bytes go at once, the rest from the event
    // loop. Discards nothing and leaves the port open.
    void start();
    void cancel();
    void abandon();

private:
    void tick();
    void guardedTick();
    void finish(Outcome outcome);
    void report(int sent);
    int bytesByTime() const;

    SerialLink &mPort;
    const QByteArray mBytes;
    DownloadProgress *mProgress;
    Finished mFinished;
    QElapsedTimer mClock;
    QTimer mTimer;
    int mWritten = 0;
    // Every byte written and the system's queue seen empty.
    bool mAllLeft = false;
    bool mOver = false;
};

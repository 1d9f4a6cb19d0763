#pragma once

#include <QtGlobal>

// The pace of a serial line at a given speed, 10 bits a byte: how many of the
// bytes waiting at its far end have arrived by now. A run starts when bytes
// wait on an idle line, and the first of them has arrived one byte time
// later. Baud 0 is a line without pace: everything arrives at once.
class LinePace
{
public:
    explicit LinePace(int baud);

    bool isPaced() const { return mBaud > 0; }
    bool isRunning() const { return mRunning; }

    void start(qint64 nowMs);
    // Bytes due by nowMs and not yet taken.
    qint64 due(qint64 nowMs) const;
    // count bytes taken; fewer than were due means the far end ran dry and
    // the line is idle again.
    void took(qint64 count, qint64 dueCount);
    // Milliseconds until the next byte is due.
    int msUntilNext(qint64 nowMs) const;

private:
    int mBaud;
    bool mRunning = false;
    qint64 mStartMs = 0;
    qint64 mTaken = 0;
};

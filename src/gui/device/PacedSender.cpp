#include "gui/device/PacedSender.h"

#include "core/device/ComPortError.h"
#include "core/device/DownloadProgress.h"
#include "gui/device/SerialLink.h"

#include <algorithm>

PacedSender::PacedSender(SerialLink &port, const QByteArray &bytes, DownloadProgress *progress, Finished finished)
    : mPort(port)
    , mBytes(bytes)
    , mProgress(progress)
    , mFinished(std::move(finished))
{
    mTimer.setTimerType(Qt::PreciseTimer);
    mTimer.setInterval(TickMs);
    QObject::connect(&mTimer, &QTimer::timeout, &mTimer, [this] { guardedTick(); });
}

void PacedSender::start()
{
    mClock.start();
    if (mProgress)
        mProgress->sendingStarted(int(mBytes.size()));
    mTimer.start();
    guardedTick();
}

void PacedSender::cancel()
{
    finish(Outcome::Cancelled);
}

void PacedSender::abandon()
{
    finish(Outcome::Abandoned);
}

void PacedSender::finish(Outcome outcome)
{
    if (mOver)
        return;
    mOver = true;
    mTimer.stop();
    if (mProgress)
        mProgress->sendingEnded();
    mFinished(outcome);
}

void PacedSender::guardedTick()
{
    // Called from the event loop, where nothing may throw: a port that fails
    // under the bytes has stopped sending them.
    try {
        tick();
    } catch (const ComPortError &) {
        finish(Outcome::Stopped);
    }
}

int PacedSender::bytesByTime() const
{
    const qint64 bits = mClock.elapsed() * mPort.baudRate() / 1000;
    return int(std::min<qint64>(bits / SerialLink::BitsPerByte, mBytes.size()));
}

void PacedSender::tick()
{
    if (mOver)
        return;
    const int total = int(mBytes.size());
    const std::optional<int> queued = mPort.pendingOnLine();
    mAllLeft = mAllLeft || (mWritten == total && queued == 0);
    if (!queued) {
        // A device that restarts once it has the whole block, or an adapter
        // pulled then, took every byte that had left.
        if (mAllLeft)
            report(total);
        finish(mAllLeft ? Outcome::Sent : Outcome::Stopped);
        return;
    }
    const int byTime = bytesByTime();
    const int left = mWritten - *queued;
    if (mWritten == total && *queued == 0 && byTime == total) {
        report(total);
        finish(Outcome::Sent);
        return;
    }
    if (mClock.elapsed() > 2 * SerialLink::lineTimeMs(total, mPort.baudRate()) + DeadlineMarginMs) {
        finish(Outcome::Stopped);
        return;
    }
    // Never more queued than the lead: a stalled line stops the writing, and
    // a cancel has little to discard.
    const int leadBytes = std::max(1, int(qint64(LeadMs) * mPort.baudRate() / (1000 * SerialLink::BitsPerByte)));
    const int allowed = std::min(total, std::min(byTime, left) + leadBytes);
    for (; mWritten < allowed; ++mWritten)
        mPort.sendByte(quint8(mBytes.at(mWritten)));
    if (mWritten == total && !mAllLeft) {
        // The last bytes go now and are looked after at once: a peer that
        // has them may hang up before the next tick.
        mPort.flush();
        mAllLeft = mPort.outputLeft();
    }
    // What the queue says has left, and no more than the line can have
    // carried by now.
    report(std::clamp(std::min(left, byTime), 0, total));
}

void PacedSender::report(int sent)
{
    const int total = int(mBytes.size());
    if (mProgress)
        mProgress->sendingProgressed(sent, total, SerialLink::lineTimeMs(total - sent, mPort.baudRate()));
}

#include "gui/device/PacedSender.h"

#include "core/device/DownloadProgress.h"
#include "gui/device/SerialLink.h"

#include <QEventLoop>
#include <QTimer>
#include <algorithm>

PacedSender::PacedSender(SerialLink &port, const QByteArray &bytes, DownloadProgress *progress)
    : mPort(port)
    , mBytes(bytes)
    , mProgress(progress)
{
}

PacedSender::Outcome PacedSender::run()
{
    QEventLoop loop;
    QTimer timer;
    timer.setTimerType(Qt::PreciseTimer);
    timer.setInterval(TickMs);
    QObject::connect(&timer, &QTimer::timeout, &loop, [this] { tick(); });
    mLoop = &loop;
    mClock.start();
    if (mProgress)
        mProgress->sendingStarted(int(mBytes.size()));
    tick();
    timer.start();
    // A quit request ends the loop early and stays for the application.
    if (!mOver)
        loop.exec();
    mLoop = nullptr;
    if (mProgress)
        mProgress->sendingEnded();
    return mOutcome;
}

void PacedSender::cancel()
{
    finish(Outcome::Cancelled);
}

void PacedSender::finish(Outcome outcome)
{
    if (mOver)
        return;
    mOver = true;
    mOutcome = outcome;
    if (mLoop)
        mLoop->quit();
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

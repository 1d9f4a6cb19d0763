// mirandel-devsim: a virtual Ambrion or Calidor on a pseudo-terminal.
#include "DevsimOptions.h"
#include "LinePace.h"
#include "PseudoTerminal.h"
#include "VirtualDevice.h"

#include <QCoreApplication>
#include <QJsonDocument>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <poll.h>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

namespace {
// A block that stops arriving for this long is reported as incomplete.
constexpr qint64 DownloadIdleMs = 2000;
// A hang-up follows the answer after the program has read it.
constexpr qint64 HangUpDelayMs = 200;

int stopPipe[2] = {-1, -1};

void requestStop(int)
{
    const char byte = 0;
    [[maybe_unused]] const ssize_t written = ::write(stopPipe[1], &byte, 1);
}

qint64 nowMs()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

void printLine(const QByteArray &line)
{
    std::fwrite(line.constData(), 1, size_t(line.size()), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

void report(const QJsonObject &object)
{
    printLine(QJsonDocument(object).toJson(QJsonDocument::Compact));
}

// The device's conversation on the line, with the timing of its faults.
class DeviceLoop
{
public:
    DeviceLoop(PseudoTerminal &line, const DevsimOptions &options)
        : mLine(line), mDevice(options.device), mOptions(options), mPace(options.baud)
    {
    }

    void run()
    {
        while (!mHungUp) {
            // A paced line in a run is read when its next byte is due, not
            // when bytes wait.
            const bool waitForBytes = !mPace.isRunning();
            int timeout = nextTimeout();
            if (!waitForBytes)
                timeout = timeout < 0 ? mPace.msUntilNext(nowMs()) : std::min(timeout, mPace.msUntilNext(nowMs()));
            pollfd fds[] = {{mLine.fd(), short(waitForBytes ? POLLIN : 0), 0}, {stopPipe[0], POLLIN, 0}};
            ::poll(fds, 2, timeout);
            if (fds[1].revents)
                return;
            if (!mPace.isPaced()) {
                if (fds[0].revents & POLLIN)
                    receive(mLine.read());
            } else {
                if (fds[0].revents & POLLIN)
                    mPace.start(nowMs());
                readPaced();
            }
            runDueTimers();
        }
    }

private:
    void readPaced()
    {
        const qint64 due = mPace.due(nowMs());
        if (due <= 0)
            return;
        const QByteArray bytes = mLine.read(due);
        mPace.took(bytes.size(), due);
        if (!bytes.isEmpty())
            receive(bytes);
    }

    int nextTimeout() const
    {
        qint64 due = -1;
        for (const qint64 at : {mAnswerAt, mHangUpAt, mDevice.downloadInProgress() ? mLastByteAt + DownloadIdleMs : -1}) {
            if (at >= 0)
                due = due < 0 ? at : std::min(due, at);
        }
        return due < 0 ? -1 : int(std::max<qint64>(0, due - nowMs()));
    }

    void receive(const QByteArray &bytes)
    {
        mLastByteAt = nowMs();
        for (const char byte : bytes) {
            const VirtualDevice::Reaction reaction = mDevice.receive(quint8(byte));
            if (reaction.report)
                report(*reaction.report);
            if (reaction.hangUp) {
                hangUp();
                return;
            }
            if (reaction.identificationRequested)
                answerIdentification();
        }
    }

    void hangUp()
    {
        mLine.hangUp();
        report({{u"event"_s, u"hangup"_s}});
        mHungUp = true;
    }

    void answerIdentification()
    {
        switch (mOptions.device.fault) {
        case DeviceFault::Silent:
            return;
        case DeviceFault::LateAnswer:
            mAnswerAt = nowMs() + mOptions.lateAnswerMs;
            return;
        case DeviceFault::HangUp:
            mLine.write(mDevice.answer());
            mHangUpAt = nowMs() + HangUpDelayMs;
            return;
        case DeviceFault::Stall:
            mLine.write(mDevice.answer());
            mLine.stopHostOutput();
            report({{u"event"_s, u"stall"_s}});
            return;
        default:
            mLine.write(mDevice.answer());
        }
    }

    void runDueTimers()
    {
        const qint64 now = nowMs();
        if (mAnswerAt >= 0 && now >= mAnswerAt) {
            mLine.write(mDevice.answer());
            mAnswerAt = -1;
        }
        if (mDevice.downloadInProgress() && now >= mLastByteAt + DownloadIdleMs)
            report(mDevice.abandonDownload());
        if (mHangUpAt >= 0 && now >= mHangUpAt)
            hangUp();
    }

    PseudoTerminal &mLine;
    VirtualDevice mDevice;
    const DevsimOptions &mOptions;
    LinePace mPace;
    qint64 mAnswerAt = -1;
    qint64 mHangUpAt = -1;
    qint64 mLastByteAt = 0;
    bool mHungUp = false;
};
} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    DevsimOptions options;
    if (!options.parse(QCoreApplication::arguments())) {
        std::fprintf(stderr, "mirandel-devsim: %s\n%s\n", qPrintable(options.errorText), qPrintable(DevsimOptions::usage()));
        return 2;
    }
    if (options.helpRequested) {
        printLine(DevsimOptions::usage().toUtf8());
        return 0;
    }

    PseudoTerminal line;
    if (!line.open() || (!options.linkPath.isEmpty() && !line.createLink(options.linkPath))) {
        std::fprintf(stderr, "mirandel-devsim: %s\n", qPrintable(line.errorText()));
        return 1;
    }
    if (::pipe(stopPipe) != 0)
        return 1;
    std::signal(SIGTERM, requestStop);
    std::signal(SIGINT, requestStop);
    std::signal(SIGHUP, requestStop);
    std::signal(SIGPIPE, SIG_IGN);

    printLine(line.devicePath().toLocal8Bit());
    DeviceLoop(line, options).run();
    return 0;
}

#include "support/SilentPrompter.h"

#include "core/compiler/SessionImage.h"
#include "gui/device/DeviceLink.h"
#include "gui/device/SerialLink.h"
#include "core/session/NewSession.h"
#include "core/session/Session.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFileInfo>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QThread>
#include <benchmark/benchmark.h>

using namespace Qt::Literals::StringLiterals;

namespace {
constexpr int FastBaud = 1000000;

Session defaultSegments(int count)
{
    Session session;
    session.cells.setColumnCount(count);
    for (int k = 0; k < count; ++k) {
        SessionGrid::Column cells = newSessionColumn(PulsedSession);
        cells[SegmentNumberRow] = QString::number(k + 1);
        session.cells.setColumn(k, cells);
    }
    return session;
}

// mirandel-devsim, reached through a link in a temporary folder; its reports
// are not wanted here.
class DeviceProcess
{
public:
    explicit DeviceProcess(const QStringList &arguments)
        : mLink(mDir.filePath(u"device"_s))
    {
        mProcess.setStandardOutputFile(QProcess::nullDevice());
        mProcess.start(QCoreApplication::applicationDirPath() + u"/mirandel-devsim"_s,
                       QStringList{u"--link"_s, mLink} + arguments);
        const QDeadlineTimer deadline(5000);
        while (!QFileInfo::exists(mLink) && !deadline.hasExpired())
            QThread::msleep(5);
    }
    ~DeviceProcess()
    {
        mProcess.terminate();
        mProcess.waitForFinished(3000);
    }
    bool ready() const { return QFileInfo::exists(mLink); }
    QString path() const { return mLink; }

private:
    QTemporaryDir mDir;
    QString mLink;
    QProcess mProcess;
};

// A whole 250-segment download through the real serial stack, on a line
// run at 1 Mbaud (the device's 1200 baud would take 17 s an image). Wall time
// is mostly the identification wait (550 to 605 ms) that the device needs;
// the CPU time is the program's own share: encoding, the exchange, pacing the
// 2009 bytes onto the line and the drain.
void downloadFullImage(benchmark::State &state)
{
    DeviceProcess device({u"--sessions"_s, u"1"_s, u"--segments"_s, u"250"_s});
    if (!device.ready()) {
        state.SkipWithError("mirandel-devsim did not start");
        return;
    }
    ComPortNames names(Settings(u"/nonexistent/MIRANDEL.INI"_s));
    names.assign(1, device.path());
    SerialLink port(names);
    port.setBaudRate(FastBaud);
    DeviceLink link(port);
    SilentPrompter prompter;
    const Session session = defaultSegments(SessionImage::MaxSegments);
    QSignalSpy finished(&link, &DeviceLink::downloadFinished);
    for (auto _ : state) {
        finished.clear();
        link.startDownload(true, session, 1, prompter);
        if (!(!finished.isEmpty() || finished.wait(10000)) || !finished.first().first().toBool()) {
            state.SkipWithError("download failed");
            break;
        }
    }
}
BENCHMARK(downloadFullImage)->Unit(benchmark::kMillisecond)->Iterations(10);
} // namespace

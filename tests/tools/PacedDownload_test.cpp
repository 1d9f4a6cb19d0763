// Downloads to a device that reads its line at line speed, run faster than
// 1200 baud so that the suite stays quick.
#include "DefaultSegments.h"
#include "DevsimProcess.h"
#include "ScriptedPrompter.h"
#include "TestSupport.h"
#include "WaitedDeviceLink.h"

#include "core/compiler/SessionImage.h"
#include "gui/device/DeviceLink.h"
#include "core/device/DownloadProgress.h"
#include "gui/device/SerialLink.h"

#include <QElapsedTimer>
#include <functional>
#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {
constexpr int TestBaud = 19200;
constexpr int FullImageBytes = 2009;

struct Sample
{
    qint64 atMs;
    int sent;
    int msLeft;
};

class RecordedProgress : public DownloadProgress
{
public:
    void sendingStarted(int totalBytes) override
    {
        clock.start();
        total = totalBytes;
    }
    void sendingProgressed(int bytesSent, int totalBytes, int msLeft) override
    {
        EXPECT_EQ(totalBytes, total);
        samples.append({clock.elapsed(), bytesSent, msLeft});
        if (onProgress)
            onProgress(bytesSent);
    }
    void sendingEnded() override { ++ended; }

    QElapsedTimer clock;
    int total = 0;
    int ended = 0;
    QList<Sample> samples;
    std::function<void(int)> onProgress;
};

struct PacedDevice
{
    PacedDevice()
        : devsim({u"--baud"_s, QString::number(TestBaud)})
        , port(namesFor(devsim.devicePath()))
        , link(port)
    {
        port.setBaudRate(TestBaud);
        link.setProgress(&progress);
    }
    static ComPortNames namesFor(const QString &device)
    {
        ComPortNames names = safePortNames();
        names.assign(1, device);
        return names;
    }
    bool downloadFullImage()
    {
        return link.download(true, sessionOfDefaultSegments(PulsedSession, SessionImage::MaxSegments), 1, prompter);
    }

    DevsimProcess devsim;
    SerialLink port;
    WaitedDeviceLink link;
    ScriptedPrompter prompter;
    RecordedProgress progress;
};
} // namespace

TEST(PacedDownload, ProgressMovesWithTheLineAndTheDeviceGetsTheWholeImage)
{
    PacedDevice device;
    ASSERT_TRUE(device.downloadFullImage());
    EXPECT_TRUE(device.prompter.log.isEmpty()) << device.prompter.log.join(u" / "_s);
    EXPECT_EQ(device.link.lastDownloadBytes(), FullImageBytes);
    EXPECT_EQ(device.progress.total, FullImageBytes);
    EXPECT_EQ(device.progress.ended, 1);

    const QList<Sample> &samples = device.progress.samples;
    ASSERT_GT(samples.size(), 10);
    const int lineMs = SerialLink::lineTimeMs(FullImageBytes, TestBaud);
    EXPECT_GE(samples.last().atMs, lineMs - PacedSender::TickMs);
    EXPECT_LT(samples.last().atMs, lineMs + 1000);
    int distinct = 0;
    for (qsizetype i = 1; i < samples.size(); ++i) {
        EXPECT_GE(samples[i].sent, samples[i - 1].sent);
        EXPECT_LE(samples[i].msLeft, samples[i - 1].msLeft);
        // Never ahead of the line.
        EXPECT_LE(samples[i].sent, qint64(samples[i].atMs + PacedSender::TickMs) * TestBaud / 10000 + 1);
        distinct += samples[i].sent != samples[i - 1].sent ? 1 : 0;
    }
    EXPECT_GT(distinct, 10);
    EXPECT_EQ(samples.last().sent, FullImageBytes);
    EXPECT_EQ(samples.last().msLeft, 0);

    const QJsonObject download = device.devsim.nextReport(u"download"_s);
    EXPECT_EQ(download.value(u"outcome"_s).toString(), u"stored"_s);
    EXPECT_TRUE(download.value(u"complete"_s).toBool());
    EXPECT_TRUE(download.value(u"checksum_ok"_s).toBool());
}

TEST(PacedDownload, CancelStopsTheSendingAtOnceAndTheDeviceStoresNothing)
{
    PacedDevice device;
    int sentAtCancel = -1;
    QElapsedTimer sinceCancel;
    device.progress.onProgress = [&](int sent) {
        if (sentAtCancel < 0 && sent >= FullImageBytes / 3) {
            sentAtCancel = sent;
            sinceCancel.start();
            device.link.cancelDownload();
        }
    };
    EXPECT_FALSE(device.downloadFullImage());
    EXPECT_LT(sinceCancel.elapsed(), 200);
    EXPECT_EQ(device.prompter.log, QStringList{u"information: Download cancelled"_s});
    EXPECT_FALSE(device.prompter.busy);
    EXPECT_FALSE(device.port.isOpen());
    EXPECT_EQ(device.progress.ended, 1);

    const QJsonObject download = device.devsim.nextReport(u"download"_s, 5000);
    EXPECT_EQ(download.value(u"outcome"_s).toString(), u"incomplete"_s);
    EXPECT_FALSE(download.value(u"complete"_s).toBool());
    EXPECT_FALSE(download.value(u"checksum_ok"_s).toBool());
    EXPECT_EQ(download.value(u"sessions_stored"_s).toInt(), 0);
    // What was queued beyond the line when Cancel came is all that follows it.
    const int received = int(download.value(u"bytes"_s).toString().size() / 2);
    const int leadBytes = PacedSender::LeadMs * TestBaud / 10000;
    EXPECT_LE(received, sentAtCancel + leadBytes + 1);
}

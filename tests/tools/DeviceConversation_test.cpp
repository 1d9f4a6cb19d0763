// The conversation with the device goes on from the event loop: starting it
// returns at once, the loop is never held up, and it can be stopped at any
// moment.
#include "DefaultSegments.h"
#include "DevsimProcess.h"
#include "ScriptedPrompter.h"

#include "gui/device/DeviceLink.h"
#include "gui/device/SerialLink.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTimer>
#include <gtest/gtest.h>

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace {
constexpr int TestBaud = 19200;

struct Conversation
{
    Conversation()
        : devsim({u"--baud"_s, QString::number(TestBaud)})
        , port(namesFor(devsim.devicePath()))
        , link(port)
        , finished(&link, &DeviceLink::downloadFinished)
    {
        port.setBaudRate(TestBaud);
        clock.start();
        // The longest time the event loop went without coming back.
        QObject::connect(&beat, &QTimer::timeout, &beat, [this] {
            longestGapMs = std::max(longestGapMs, clock.elapsed() - lastBeatMs);
            lastBeatMs = clock.elapsed();
        });
        beat.start(5);
    }
    static ComPortNames namesFor(const QString &device)
    {
        ComPortNames names = safePortNames();
        names.assign(1, device);
        return names;
    }

    DevsimProcess devsim;
    SerialLink port;
    DeviceLink link;
    ScriptedPrompter prompter;
    QSignalSpy finished;
    QElapsedTimer clock;
    QTimer beat;
    qint64 lastBeatMs = 0;
    qint64 longestGapMs = 0;
};
} // namespace

TEST(DeviceConversation, StartReturnsAtOnceAndTheEventLoopRunsUntilTheLastByte)
{
    Conversation talk;
    ASSERT_TRUE(talk.link.startDownload(true, sessionOfDefaultSegments(PulsedSession, 250), 1, talk.prompter));
    EXPECT_LT(talk.clock.elapsed(), 200) << "the start waited for the device";
    EXPECT_TRUE(talk.link.isBusy());
    ASSERT_TRUE(talk.finished.wait(15000));
    EXPECT_TRUE(talk.finished.first().first().toBool());
    // The identification wait and the 2009 bytes took over a second and a
    // half; the loop went on throughout.
    EXPECT_GT(talk.clock.elapsed(), 550 + SerialLink::lineTimeMs(2009, TestBaud));
    EXPECT_LT(talk.longestGapMs, 300);
    RecordProperty("longestEventLoopGapMs", int(talk.longestGapMs));
    EXPECT_EQ(talk.devsim.nextReport(u"download"_s).value(u"outcome"_s).toString(), u"stored"_s);
}

TEST(DeviceConversation, CancelDuringTheIdentificationEndsTheDownloadAtOnce)
{
    Conversation talk;
    QElapsedTimer sinceCancel;
    QTimer::singleShot(200, [&] {
        sinceCancel.start();
        talk.link.cancelDownload();
    });
    ASSERT_TRUE(talk.link.startDownload(false, sessionOfDefaultSegments(PulsedSession, 3), 1, talk.prompter));
    ASSERT_TRUE(talk.finished.wait(3000));
    EXPECT_LT(sinceCancel.elapsed(), 100);
    EXPECT_FALSE(talk.finished.first().first().toBool());
    EXPECT_EQ(talk.prompter.log, QStringList{u"information: Download cancelled"_s});
    EXPECT_FALSE(talk.prompter.busy);
    EXPECT_FALSE(talk.link.isBusy());
    EXPECT_FALSE(talk.port.isOpen()) << "a late answer would be read as the next one's start";
    for (const QJsonObject &report : talk.devsim.reports(300))
        EXPECT_NE(report.value(u"event"_s).toString(), u"download"_s);
}

TEST(DeviceConversation, ANewDownloadMayStartFromTheEndOfTheLast)
{
    Conversation talk;
    const Session session = sessionOfDefaultSegments(PulsedSession, 2);
    QObject::connect(&talk.link, &DeviceLink::downloadFinished, &talk.link, [&](bool sent) {
        if (sent && talk.finished.size() == 1)
            EXPECT_TRUE(talk.link.startDownload(true, session, 1, talk.prompter));
    });
    ASSERT_TRUE(talk.link.startDownload(true, session, 1, talk.prompter));
    ASSERT_TRUE(talk.finished.wait(5000));
    ASSERT_TRUE(talk.finished.size() == 2 || talk.finished.wait(5000));
    EXPECT_EQ(talk.finished.at(0).first().toBool(), true);
    EXPECT_EQ(talk.finished.at(1).first().toBool(), true);
    EXPECT_TRUE(talk.prompter.log.isEmpty()) << talk.prompter.log.join(u" / "_s);
    EXPECT_EQ(talk.devsim.nextReport(u"download"_s).value(u"outcome"_s).toString(), u"stored"_s);
    EXPECT_EQ(talk.devsim.nextReport(u"download"_s).value(u"outcome"_s).toString(), u"stored"_s);
}

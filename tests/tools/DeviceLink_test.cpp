#include "DefaultSegments.h"
#include "DevsimProcess.h"
#include "ScriptedPrompter.h"
#include "TestSupport.h"
#include "WaitedDeviceLink.h"

#include "core/compiler/SegmentEncoder.h"
#include "core/compiler/SessionImage.h"
#include "gui/device/DeviceLink.h"
#include "gui/device/SerialLink.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <gtest/gtest.h>

#include <memory>
#include <optional>

using namespace Qt::Literals::StringLiterals;

namespace {
const QString DownloadAborted = u"Download aborted"_s;
const QString SystemNotFound = u"System not found."_s;
const QString Incomplete = u"Download incomplete: the COM port stopped sending"_s;

// A DeviceLink whose COM 1 is a virtual device; the other ports lead nowhere.
class LinkedDevice
{
public:
    explicit LinkedDevice(const QStringList &devsimArguments = {})
        : devsim(devsimArguments)
        , port(namesFor(devsim.devicePath()))
        , link(port)
    {
    }

    static ComPortNames namesFor(const QString &device)
    {
        ComPortNames names = safePortNames();
        if (!device.isEmpty())
            names.assign(1, device);
        return names;
    }

    bool download(bool clear, int segments, int comPort = 1)
    {
        return link.download(clear, sessionOfDefaultSegments(PulsedSession, segments), comPort, prompter);
    }
    // What a download of `segments` default segments sends to the device identified last.
    QString expectedBytes(bool clear, int segments) const
    {
        ScriptedPrompter quiet;
        std::optional<SessionImage> image =
            encodeSession(sessionOfDefaultSegments(PulsedSession, segments), quiet, segments);
        image->setDownloadMode(clear ? SessionImage::ClearDownload : SessionImage::AppendDownload);
        image->setDeviceModel(link.info().model);
        return QString::fromLatin1(image->downloadBytes(segments).toHex());
    }
    // Reports of one kind collected for settleMs.
    QList<QJsonObject> reportsOf(const QString &event, int settleMs = 300)
    {
        QList<QJsonObject> found;
        for (const QJsonObject &report : devsim.reports(settleMs)) {
            if (report.value(u"event"_s).toString() == event)
                found.append(report);
        }
        return found;
    }

    DevsimProcess devsim;
    ScriptedPrompter prompter;
    SerialLink port;
    WaitedDeviceLink link;
};

QStringList devsimArguments(int freeSessions, int freeSegments, const QStringList &more = {})
{
    return QStringList{u"--sessions"_s, QString::number(freeSessions), u"--segments"_s, QString::number(freeSegments)}
         + more;
}
} // namespace

TEST(DeviceLink, ClearDownloadOfOneDefaultSegmentSendsTheSeventeenBytes)
{
    LinkedDevice device;
    ASSERT_FALSE(device.devsim.devicePath().isEmpty());
    EXPECT_TRUE(device.download(true, 1));
    EXPECT_TRUE(device.prompter.log.isEmpty()) << device.prompter.log.join(u" / "_s);
    EXPECT_FALSE(device.prompter.busy);
    EXPECT_FALSE(device.port.isOpen());

    EXPECT_EQ(device.devsim.nextReport(u"identify"_s).value(u"answer"_s).toString(), u"364e170a03e8"_s);
    const QJsonObject download = device.devsim.nextReport(u"download"_s);
    // 0 1 1 0 0 0 0 0 | 13 0 119 24 19 0 27 128 | 180
    EXPECT_EQ(download.value(u"bytes"_s).toString(), u"00010100000000000d00771813001b80b4"_s);
    EXPECT_EQ(download.value(u"outcome"_s).toString(), u"stored"_s);
}

TEST(DeviceLink, FullImageOfTwoHundredFiftySegmentsArrivesWhole)
{
    LinkedDevice device(devsimArguments(1, 250, {u"--model"_s, u"T"_s}));
    EXPECT_TRUE(device.download(false, 250));
    const QJsonObject download = device.devsim.nextReport(u"download"_s);
    EXPECT_EQ(download.value(u"bytes"_s).toString().size(), 2 * 2009);
    EXPECT_EQ(download.value(u"bytes"_s).toString(), device.expectedBytes(false, 250));
    EXPECT_EQ(download.value(u"mode"_s).toString(), u"append"_s);
    EXPECT_EQ(download.value(u"model"_s).toInt(), SessionImage::CalidorModel);
    EXPECT_EQ(download.value(u"outcome"_s).toString(), u"stored"_s);
}

TEST(DeviceLink, AppendsUseUpTheDevicesRoom)
{
    LinkedDevice device(devsimArguments(3, 500));
    EXPECT_TRUE(device.download(false, 10));
    EXPECT_TRUE(device.download(false, 20));
    ASSERT_TRUE(device.link.checkSystem(1, device.prompter));
    EXPECT_EQ(device.link.info().sessionsAvailable, 1);
    EXPECT_EQ(device.link.info().segmentsAvailable, 470);
    EXPECT_EQ(device.reportsOf(u"download"_s).size(), 2);
}

struct CapacityCase
{
    const char *name;
    bool clear;
    int segments;
    int freeSessions;
    int freeSegments;
    QStringList messages; // empty: the session is sent
};

void PrintTo(const CapacityCase &c, std::ostream *out)
{
    *out << c.name;
}

class DeviceCapacity : public ::testing::TestWithParam<CapacityCase>
{
};

TEST_P(DeviceCapacity, AppendChecksSegmentsThenSessionsAndClearChecksNothing)
{
    const CapacityCase &c = GetParam();
    // A clear download makes room for itself on the device.
    LinkedDevice device(devsimArguments(c.freeSessions, c.freeSegments,
                                        {u"--max-sessions"_s, u"5"_s, u"--max-segments"_s, u"300"_s}));
    const bool sent = device.download(c.clear, c.segments);
    EXPECT_EQ(sent, c.messages.isEmpty());
    EXPECT_EQ(device.prompter.errors, c.messages);
    EXPECT_FALSE(device.prompter.busyAtError.contains(true)) << "a message under the hourglass";
    if (!sent) {
        EXPECT_TRUE(device.reportsOf(u"download"_s).isEmpty());
        EXPECT_TRUE(device.port.isOpen()) << "an aborted download leaves the port open";
        return;
    }
    // Waited for: a busy machine may report a long download late.
    const QJsonObject download = device.devsim.nextReport(u"download"_s);
    EXPECT_EQ(download.value(u"bytes"_s).toString(), device.expectedBytes(c.clear, c.segments));
    EXPECT_EQ(download.value(u"outcome"_s).toString(), u"stored"_s);
    EXPECT_TRUE(device.reportsOf(u"download"_s).isEmpty()) << "one download";
}

INSTANTIATE_TEST_SUITE_P(
    Edges, DeviceCapacity,
    ::testing::Values(
        CapacityCase{"append_fills_free_segments", false, 100, 1, 100, {}},
        CapacityCase{"append_one_segment_too_many", false, 101, 1, 100,
                     {u"Download capacity of 100 segments exceeded"_s, DownloadAborted}},
        CapacityCase{"append_without_free_session", false, 1, 0, 100,
                     {u"System has max sessions downloaded"_s, DownloadAborted}},
        CapacityCase{"append_fails_both_checks", false, 101, 0, 100,
                     {u"Download capacity of 100 segments exceeded"_s, u"System has max sessions downloaded"_s,
                      DownloadAborted}},
        CapacityCase{"clear_ignores_free_sessions_and_segments", true, 101, 0, 100, {}}),
    [](const ::testing::TestParamInfo<CapacityCase> &info) { return std::string(info.param.name); });

struct FaultCase
{
    const char *fault;
    QStringList messages;
    bool portLeftOpen;
};

void PrintTo(const FaultCase &c, std::ostream *out)
{
    *out << c.fault;
}

class DeviceFaults : public ::testing::TestWithParam<FaultCase>
{
};

TEST_P(DeviceFaults, EveryFaultEndsInItsMessagesWithoutHanging)
{
    const FaultCase &c = GetParam();
    LinkedDevice device({u"--fault"_s, QString::fromLatin1(c.fault)});
    QElapsedTimer clock;
    clock.start();
    EXPECT_FALSE(device.download(true, 1));
    EXPECT_EQ(device.prompter.errors, c.messages);
    EXPECT_FALSE(device.prompter.busyAtError.contains(true));
    EXPECT_FALSE(device.prompter.busy);
    EXPECT_EQ(device.port.isOpen(), c.portLeftOpen);
    // Identification wait plus, for a stalled line, the deadline of a 17-byte download.
    EXPECT_LT(clock.elapsed(), 605 + 2 * SerialLink::lineTimeMs(17) + DeviceLink::DrainMarginMs + 500);
    for (const QJsonObject &download : device.reportsOf(u"download"_s))
        EXPECT_NE(download.value(u"outcome"_s).toString(), u"stored"_s);
}

INSTANTIATE_TEST_SUITE_P(
    Modes, DeviceFaults,
    ::testing::Values(FaultCase{"silent", {SystemNotFound, DownloadAborted}, true},
                      FaultCase{"wrong-signature", {SystemNotFound, DownloadAborted}, true},
                      FaultCase{"unknown-model", {SystemNotFound, DownloadAborted}, true},
                      FaultCase{"short-answer", {SystemNotFound, DownloadAborted}, true},
                      FaultCase{"late-answer", {SystemNotFound, DownloadAborted}, true},
                      FaultCase{"hangup", {Incomplete, DownloadAborted}, false},
                      FaultCase{"stall", {Incomplete, DownloadAborted}, false}),
    [](const ::testing::TestParamInfo<FaultCase> &info) {
        std::string name = info.param.fault;
        std::replace(name.begin(), name.end(), '-', '_');
        return name;
    });

// A peer that hangs up once it has the whole block has it all: only a line
// gone while bytes were still to leave fails the download.
TEST(DeviceLink, AHangUpCountsOnlyWhileBytesAreStillToLeave)
{
    const struct
    {
        const char *fault;
        int segments;
        QStringList messages; // empty: the download succeeds
        QString outcome;
    } cases[] = {
        {"hangup-after-download", 1, {}, u"stored"_s},
        {"hangup-after-download", 40, {}, u"stored"_s},
        {"hangup-in-download", 10, {Incomplete, DownloadAborted}, u"incomplete"_s},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.fault);
        LinkedDevice device({u"--fault"_s, QString::fromLatin1(c.fault)});
        EXPECT_EQ(device.download(true, c.segments), c.messages.isEmpty());
        EXPECT_EQ(device.prompter.errors, c.messages);
        EXPECT_FALSE(device.prompter.busy);
        EXPECT_FALSE(device.port.isOpen());
        EXPECT_EQ(device.link.lastDownloadBytes(), c.messages.isEmpty() ? 8 * c.segments + 9 : 0);
        EXPECT_EQ(device.devsim.nextReport(u"download"_s).value(u"outcome"_s).toString(), c.outcome);
        EXPECT_FALSE(device.devsim.nextReport(u"hangup"_s).isEmpty());
    }
}

struct AnswerCase
{
    const char *model;
    int revision;
    int sessions;
    int segments;
    QString summary;
    int headerModel;
};

void PrintTo(const AnswerCase &c, std::ostream *out)
{
    *out << "model " << c.model;
}

class DeviceIdentification : public ::testing::TestWithParam<AnswerCase>
{
};

TEST_P(DeviceIdentification, AnswerGivesModelRevisionAndRoom)
{
    const AnswerCase &c = GetParam();
    LinkedDevice device(devsimArguments(c.sessions, c.segments,
                                        {u"--model"_s, QString::fromLatin1(c.model), u"--revision"_s,
                                         QString::number(c.revision)}));
    ASSERT_TRUE(device.link.checkSystem(1, device.prompter));
    EXPECT_TRUE(device.prompter.log.isEmpty());
    EXPECT_EQ(device.link.info().summary(), c.summary);
    EXPECT_EQ(device.link.info().model, c.headerModel);
    EXPECT_TRUE(device.port.isOpen()) << "identification leaves the port open";
}

INSTANTIATE_TEST_SUITE_P(
    Answers, DeviceIdentification,
    ::testing::Values(
        AnswerCase{"N", 23, 10, 1000, u"Ambrion, rev 2.3 has 10 sessions and 1000 segments available"_s, 1},
        AnswerCase{"I", 5, 0, 300, u"Ambrion, rev 0.5 has 0 sessions and 300 segments available"_s, 1},
        AnswerCase{"T", 255, 255, 65535, u"Calidor, rev 25.5 has 255 sessions and 65535 segments available"_s, 2}),
    [](const ::testing::TestParamInfo<AnswerCase> &info) { return std::string("model_") + info.param.model; });

TEST(DeviceLink, PortsThatCannotBeUsedEndTheDownloadBeforeAnyByte)
{
    // COM 1 is held by another component, COM 2 does not exist, 0 is none.
    LinkedDevice device;
    SerialLink holder(LinkedDevice::namesFor(device.devsim.devicePath()));
    holder.setComNumber(1);
    holder.setOpen(true);
    struct Case
    {
        int comPort;
        QString message;
    } const cases[] = {
        {0, u"No COM port is selected"_s},
        {2, u"COM port could not be opened"_s},
        {1, u"COM port could not be opened"_s},
    };
    for (const Case &c : cases) {
        device.prompter.errors.clear();
        EXPECT_FALSE(device.download(false, 1, c.comPort));
        EXPECT_EQ(device.prompter.errors, QStringList({c.message, DownloadAborted})) << "COM" << c.comPort;
    }
    EXPECT_TRUE(device.devsim.reports(300).isEmpty());
}

TEST(DeviceLink, EncoderFailureStillIdentifiesButSendsNothing)
{
    LinkedDevice device;
    Session session = sessionOfDefaultSegments(PulsedSession, 2, {{PhaseRow, u"XYZ"_s}});
    EXPECT_FALSE(device.link.download(false, session, 1, device.prompter));
    EXPECT_EQ(device.prompter.errors,
              QStringList({u"No match segment 1 phase"_s, u"No match segment 2 phase"_s, DownloadAborted}));
    EXPECT_EQ(device.reportsOf(u"identify"_s).size(), 1);
    EXPECT_TRUE(device.reportsOf(u"download"_s).isEmpty());
}

TEST(DeviceLink, SessionLongerThanTheImageIsRefusedBeforeAnythingIsSent)
{
    LinkedDevice device;
    EXPECT_FALSE(device.download(true, SessionImage::MaxSegments + 1));
    ASSERT_EQ(device.prompter.errors.size(), 2);
    EXPECT_EQ(device.prompter.errors.last(), DownloadAborted);
    EXPECT_FALSE(device.port.isOpen());
    EXPECT_TRUE(device.devsim.reports(300).isEmpty());
}

TEST(DeviceLink, NoSecondConversationStartsDuringTheIdentificationWait)
{
    LinkedDevice device;
    bool secondDownload = true;
    bool portCheck = true;
    QTimer::singleShot(150, [&] {
        secondDownload = device.download(false, 3);
        portCheck = device.link.checkPort(2, device.prompter);
    });
    EXPECT_TRUE(device.download(true, 1));
    EXPECT_FALSE(secondDownload);
    EXPECT_FALSE(portCheck);
    EXPECT_EQ(device.prompter.log, QStringList({u"beep"_s, u"beep"_s}));
    // The one identification and the one download, read in a single pass:
    // the download's event loop may already have taken in both reports.
    QStringList events;
    for (const QJsonObject &report : device.devsim.reports(300))
        events.append(report.value(u"event"_s).toString());
    EXPECT_EQ(events, QStringList({u"identify"_s, u"download"_s}));
    EXPECT_FALSE(device.link.isBusy());
}

TEST(DeviceLink, QuittingDuringTheIdentificationWaitEndsTheDownloadQuietly)
{
    LinkedDevice device;
    QTimer::singleShot(100, [] { QCoreApplication::exit(0); });
    EXPECT_FALSE(device.download(true, 1));
    EXPECT_TRUE(device.prompter.log.isEmpty()) << device.prompter.log.join(u" / "_s);
    EXPECT_FALSE(device.prompter.busy);
    EXPECT_FALSE(device.link.isBusy());
    // Hand the quit request to an application loop, as the program would.
    QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
    QCoreApplication::exec();
}

#include "TestSupport.h"

#include "core/device/ComPortError.h"
#include "gui/device/SerialLink.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <gtest/gtest.h>

#include <chrono>
#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

namespace {
// A pseudo-terminal whose far end the test plays itself.
struct PtyPair
{
    PtyPair()
    {
        master = ::posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
        ::grantpt(master);
        ::unlockpt(master);
        path = QString::fromLocal8Bit(::ptsname(master));
        // Held open so that the line outlives the port under test.
        slave = ::open(::ptsname(master), O_RDWR | O_NOCTTY);
        termios raw{};
        ::tcgetattr(slave, &raw);
        ::cfmakeraw(&raw);
        ::tcsetattr(slave, TCSANOW, &raw);
    }
    ~PtyPair() { hangUp(); }
    void hangUp()
    {
        if (master >= 0)
            ::close(master);
        if (slave >= 0)
            ::close(slave);
        master = slave = -1;
    }
    bool readable(int timeoutMs = 0) const
    {
        pollfd fd{master, POLLIN, 0};
        return ::poll(&fd, 1, timeoutMs) > 0;
    }
    QByteArray readAll() const
    {
        QByteArray bytes;
        char chunk[4096];
        while (readable(50)) {
            const ssize_t n = ::read(master, chunk, sizeof chunk);
            if (n <= 0)
                break;
            bytes.append(chunk, n);
        }
        return bytes;
    }

    int master = -1;
    int slave = -1;
    QString path;
};

// COM1 leads to the pseudo-terminal, the others nowhere.
ComPortNames namesWith(const QString &com1, const QString &com2 = u"/nonexistent/com2"_s)
{
    ComPortNames names(Settings(u"/nonexistent/MIRANDEL.INI"_s));
    names.assign(1, com1);
    names.assign(2, com2);
    names.assign(3, u"/nonexistent/com3"_s);
    names.assign(4, u"/nonexistent/com4"_s);
    return names;
}

struct OpenPort
{
    OpenPort()
        : port(namesWith(pty.path))
    {
        port.setComNumber(1);
        port.setOpen(true);
    }
    PtyPair pty;
    SerialLink port;
};

qint64 timedWait(int ticks, bool keepUIAlive)
{
    SerialLink port(namesWith(u"/nonexistent/com1"_s));
    QElapsedTimer clock;
    clock.start();
    port.waitTicks(ticks, keepUIAlive);
    return clock.elapsed();
}
} // namespace

TEST(SerialLink, WaitTicksLastsFromTicksToOneTickMoreOfFiftyFiveMilliseconds)
{
    // The upper bounds leave room for a busy machine.
    for (const bool keepUIAlive : {false, true}) {
        const qint64 elapsed = timedWait(10, keepUIAlive);
        EXPECT_GE(elapsed, 549) << "keepUIAlive " << keepUIAlive;
        EXPECT_LE(elapsed, 605 + 150) << "keepUIAlive " << keepUIAlive;
    }
    EXPECT_LE(timedWait(0, false), 55 + 150);
}

// The device's answer may come at the very end of the wait: the wait must not
// end before the tick clock has passed the last tick, not even by a little.
TEST(SerialLink, WaitTicksNeverEndsBeforeTheTickClockPassesItsLastTick)
{
    SerialLink port(namesWith(u"/nonexistent/com1"_s));
    const auto tickNow = [] {
        using namespace std::chrono;
        return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count() / SerialLink::TickMs;
    };
    for (int run = 0; run < 12; ++run) {
        const qint64 startTick = tickNow();
        port.waitTicks(3, true);
        EXPECT_GT(tickNow(), startTick + 3) << "run " << run;
    }
}

TEST(SerialLink, QuitRequestEndsAWaitThatKeepsTheInterfaceAlive)
{
    SerialLink port(namesWith(u"/nonexistent/com1"_s));
    QTimer::singleShot(50, [] { QCoreApplication::exit(0); });
    QElapsedTimer clock;
    clock.start();
    EXPECT_FALSE(port.waitTicks(10, true));
    EXPECT_LT(clock.elapsed(), 400);
    // The request stays for the application's loop: run it once to consume it.
    QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
    QCoreApplication::exec();
    EXPECT_TRUE(port.waitTicks(1, true));
}

TEST(SerialLink, QueuedBytesLeaveTogetherOnlyWhenTheProgramWaits)
{
    OpenPort open;
    QByteArray sent;
    for (int i = 0; i < 2009; ++i) {
        sent.append(char(i * 7));
        open.port.sendByte(quint8(i * 7));
    }
    EXPECT_FALSE(open.pty.readable()) << "a byte left before the wait";
    EXPECT_EQ(open.port.outputPending(), 2009);
    open.port.waitTicks(0, false);
    EXPECT_EQ(open.port.outputPending(), 0);
    EXPECT_EQ(open.pty.readAll(), sent);
}

TEST(SerialLink, QueuedBytesLeaveWhenControlReturnsToTheEventLoop)
{
    OpenPort open;
    open.port.sendByte('?');
    QCoreApplication::processEvents();
    EXPECT_EQ(open.pty.readAll(), "?"_ba);
}

TEST(SerialLink, TransmitBufferHoldsFourKilobytes)
{
    OpenPort open;
    for (int i = 0; i < SerialLink::BufferSize; ++i)
        open.port.sendByte(0);
    try {
        open.port.sendByte(0);
        FAIL() << "the byte beyond the buffer was taken";
    } catch (const ComPortError &error) {
        EXPECT_EQ(error.kind(), ComPortError::EOutputBufferTooSmall);
    }
}

TEST(SerialLink, ReceivedBytesComeOutOldestFirstAndAnEmptyBufferThrows)
{
    OpenPort open;
    EXPECT_FALSE(open.port.inputReady());
    ASSERT_EQ(::write(open.pty.master, "6N", 2), 2);
    open.port.waitTicks(0, false);
    ASSERT_TRUE(open.port.inputReady());
    EXPECT_EQ(open.port.receiveByte(), '6');
    EXPECT_EQ(open.port.receiveByte(), 'N');
    EXPECT_FALSE(open.port.inputReady());
    try {
        open.port.receiveByte();
        FAIL() << "nothing was waiting";
    } catch (const ComPortError &error) {
        EXPECT_EQ(error.kind(), ComPortError::EBufferIsEmpty);
        EXPECT_FALSE(error.isOpenError());
    }
}

TEST(SerialLink, DiscardOutputDropsWhatIsQueued)
{
    OpenPort open;
    for (int i = 0; i < 10; ++i)
        open.port.sendByte(quint8(i));
    open.port.discardOutput();
    EXPECT_EQ(open.port.outputPending(), 0);
    open.port.waitTicks(0, true);
    EXPECT_TRUE(open.pty.readAll().isEmpty());
}

TEST(SerialLink, ClosedPortHasNothingPendingAndOpeningTwiceOrClosingTwiceDoesNothing)
{
    OpenPort open;
    open.port.setOpen(true);
    EXPECT_TRUE(open.port.isOpen());
    open.port.sendByte(1);
    open.port.setOpen(false);
    open.port.setOpen(false);
    EXPECT_FALSE(open.port.isOpen());
    EXPECT_EQ(open.port.outputPending(), 0);
}

TEST(SerialLink, OpenFailuresHaveTheirKinds)
{
    PtyPair pty;
    SerialLink holder(namesWith(pty.path));
    holder.setComNumber(1);
    holder.setOpen(true);

    struct Case
    {
        const char *what;
        int comNumber;
        ComPortError::Kind kind;
    } const cases[] = {
        {"a device that does not exist", 2, ComPortError::EBadId},
        {"no port at all", 0, ComPortError::EBadId},
        {"a port another component holds", 1, ComPortError::EHardware},
    };
    for (const Case &c : cases) {
        SerialLink port(namesWith(pty.path));
        port.setComNumber(c.comNumber);
        try {
            port.setOpen(true);
            ADD_FAILURE() << c.what << " opened";
        } catch (const ComPortError &error) {
            EXPECT_EQ(error.kind(), c.kind) << c.what;
            EXPECT_TRUE(error.isOpenError()) << c.what;
        }
        EXPECT_FALSE(port.isOpen()) << c.what;
    }
}

TEST(SerialLink, ChangingTheNumberMovesAnOpenPort)
{
    PtyPair first;
    PtyPair second;
    SerialLink port(namesWith(first.path, second.path));
    port.setComNumber(1);
    port.setOpen(true);
    port.setComNumber(2);
    EXPECT_TRUE(port.isOpen());
    EXPECT_EQ(port.systemPortName(), second.path);
    port.sendByte('x');
    port.waitTicks(0, false);
    EXPECT_EQ(second.readAll(), "x"_ba);
    // The first line is free again.
    SerialLink other(namesWith(first.path));
    other.setComNumber(1);
    EXPECT_NO_THROW(other.setOpen(true));
}

TEST(SerialLink, StalledLineKeepsItsOutputPending)
{
    OpenPort open;
    ::tcflow(open.pty.slave, TCOOFF);
    for (int i = 0; i < 17; ++i)
        open.port.sendByte(quint8(i));
    open.port.waitTicks(0, false);
    EXPECT_GT(open.port.pendingOnLine().value_or(0), 0);
    ::tcflow(open.pty.slave, TCOON);
}

TEST(SerialLink, HungUpLineIsReportedGone)
{
    OpenPort open;
    EXPECT_EQ(open.port.pendingOnLine(), 0);
    open.pty.hangUp();
    open.port.sendByte(1);
    EXPECT_EQ(open.port.pendingOnLine(), std::nullopt);
}

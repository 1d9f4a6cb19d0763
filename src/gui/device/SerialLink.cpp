#include "gui/device/SerialLink.h"

#include "core/device/ComPortError.h"
#include "gui/device/QtSerialDevice.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <chrono>
#include <thread>

#ifdef Q_OS_UNIX
#include <cstring>
#include <sys/ioctl.h>
#include <unistd.h>
#endif

using namespace Qt::Literals::StringLiterals;

namespace {
struct SerialLinkTexts
{
    Q_DECLARE_TR_FUNCTIONS(SerialLink)
};

bool isPseudoTerminal(int handle)
{
#ifdef Q_OS_UNIX
    char name[64];
    return ::ttyname_r(handle, name, sizeof name) == 0 && std::strncmp(name, "/dev/pts/", 9) == 0;
#else
    Q_UNUSED(handle);
    return false;
#endif
}

ComPortError::Kind openErrorKind(SerialDevice::OpenError error)
{
    switch (error) {
    case SerialDevice::OpenError::NotFound:
        return ComPortError::EBadId;
    case SerialDevice::OpenError::Permission:
        return ComPortError::EHardware;
    case SerialDevice::OpenError::InUse:
        return ComPortError::EAlreadyOpen;
    case SerialDevice::OpenError::Other:
        break;
    }
    return ComPortError::EInOutError;
}
} // namespace

SerialLink::SerialLink(const ComPortNames &names, DeviceMaker makeDevice)
    : mNames(names)
    , mMakeDevice(makeDevice ? std::move(makeDevice) : QtSerialDevice::create)
{
    mFlushTimer.setSingleShot(true);
    mFlushTimer.setInterval(0);
    QObject::connect(&mFlushTimer, &QTimer::timeout, &mFlushTimer, [this] { flush(); });
}

SerialDevice &SerialLink::device()
{
    if (!mDevice)
        mDevice = mMakeDevice();
    return *mDevice;
}

int SerialLink::queued() const
{
    return int(mQueue.size() + (mDevice ? mDevice->bytesToWrite() : 0));
}

void SerialLink::setComNumber(int comNumber)
{
    if (comNumber == mComNumber)
        return;
    const bool wasOpen = isOpen();
    setOpen(false);
    mComNumber = comNumber;
    if (wasOpen)
        setOpen(true);
}

void SerialLink::setOpen(bool open)
{
    if (open == isOpen())
        return;
    if (!open) {
        mFlushTimer.stop();
        mQueue.clear();
        mDevice->close();
        return;
    }
    if (mComNumber < 1)
        throw ComPortError(ComPortError::EBadId, SerialLinkTexts::tr("COM%1 does not exist").arg(mComNumber));
    const QString device = systemPortName();
    SerialDevice &port = this->device();
    if (!port.open(device, mBaudRate, BufferSize))
        throw ComPortError(openErrorKind(port.openError()), u"%1: %2"_s.arg(device, port.errorString()));
    port.raiseModemLines();
    mPseudoTerminal = isPseudoTerminal(port.handle());
}

void SerialLink::sendByte(quint8 byte)
{
    if (!isOpen())
        throw ComPortError(ComPortError::EInOutError, SerialLinkTexts::tr("COM%1 is not open").arg(mComNumber));
    if (queued() >= BufferSize)
        throw ComPortError(ComPortError::EOutputBufferTooSmall, SerialLinkTexts::tr("Output buffer too small"));
    mQueue.append(char(byte));
    if (!mFlushTimer.isActive())
        mFlushTimer.start();
}

void SerialLink::flush()
{
    mFlushTimer.stop();
    if (mQueue.isEmpty() || !isOpen())
        return;
    // One write for the whole queue: the bytes leave as one stream.
    mDevice->write(mQueue);
    mQueue.clear();
}

bool SerialLink::inputReady()
{
    return isOpen() && mDevice->bytesAvailable() > 0;
}

quint8 SerialLink::receiveByte()
{
    char byte = 0;
    if (!inputReady() || !mDevice->getChar(&byte))
        throw ComPortError(ComPortError::EBufferIsEmpty, SerialLinkTexts::tr("Receive buffer is empty"));
    return quint8(byte);
}

bool SerialLink::systemOutputPending(int &count) const
{
    count = 0;
#ifdef Q_OS_UNIX
    return ::ioctl(mDevice->handle(), TIOCOUTQ, &count) == 0;
#else
    return true;
#endif
}

int SerialLink::outputPending()
{
    // A line gone away holds nothing more than what never reached it.
    return pendingOnLine().value_or(queued());
}

std::optional<int> SerialLink::pendingOnLine()
{
    if (!isOpen())
        return 0;
    int system = 0;
    if (!systemOutputPending(system))
        return std::nullopt;
    return queued() + system;
}

bool SerialLink::outputLeft()
{
    if (!isOpen())
        return true;
    int system = 0;
    return queued() == 0 && (mPseudoTerminal || (systemOutputPending(system) && system == 0));
}

void SerialLink::discardOutput()
{
    mFlushTimer.stop();
    mQueue.clear();
    if (isOpen())
        mDevice->discardOutput();
}

qint64 SerialLink::clockMs()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

qint64 SerialLink::tickWaitEnd(int ticks)
{
    return (clockMs() / TickMs + ticks + 1) * TickMs;
}

int SerialLink::msBefore(qint64 clockEndMs)
{
    return int(std::max<qint64>(0, clockEndMs - clockMs()));
}

bool SerialLink::waitTicks(int ticks, bool keepUIAlive)
{
    flush();
    const qint64 endMs = tickWaitEnd(ticks);
    if (!keepUIAlive || !QCoreApplication::instance()) {
        std::this_thread::sleep_for(std::chrono::milliseconds(msBefore(endMs)));
        return true;
    }
    // A quit request exits every running event loop, this one included, and
    // stays set for the application's own loop.
    QEventLoop loop;
    QTimer timer;
    bool waitedOut = false;
    timer.setSingleShot(true);
    // A coarse timer may fire a little early; the answer may come just then.
    timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer, &QTimer::timeout, &loop, [&] {
        waitedOut = true;
        loop.quit();
    });
    timer.start(msBefore(endMs));
    loop.exec();
    return waitedOut;
}

void SerialLink::setBaudRate(int baud)
{
    mBaudRate = baud;
    if (mDevice)
        mDevice->setBaudRate(baud);
}

int SerialLink::lineTimeMs(int byteCount, int baud)
{
    return int((qint64(byteCount) * BitsPerByte * 1000 + baud - 1) / baud);
}

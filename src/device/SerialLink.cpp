#include "device/SerialLink.h"

#include "device/ComPortError.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <chrono>
#include <thread>

#ifdef Q_OS_UNIX
#include <sys/ioctl.h>
#endif

using namespace Qt::Literals::StringLiterals;

namespace {
qint64 clockMs()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

ComPortError::Kind openErrorKind(QSerialPort::SerialPortError error)
{
    switch (error) {
    case QSerialPort::DeviceNotFoundError:
        return ComPortError::EBadId;
    case QSerialPort::PermissionError:
        return ComPortError::EHardware;
    case QSerialPort::OpenError:
        return ComPortError::EAlreadyOpen;
    default:
        return ComPortError::EInOutError;
    }
}
} // namespace

SerialLink::SerialLink(const ComPortNames &names)
    : mNames(names)
{
    mSerial.setBaudRate(Baud);
    mSerial.setDataBits(QSerialPort::Data8);
    mSerial.setParity(QSerialPort::NoParity);
    mSerial.setStopBits(QSerialPort::OneStop);
    mSerial.setFlowControl(QSerialPort::NoFlowControl);
    mSerial.setReadBufferSize(BufferSize);
    mFlushTimer.setSingleShot(true);
    mFlushTimer.setInterval(0);
    QObject::connect(&mFlushTimer, &QTimer::timeout, &mSerial, [this] { flushQueue(); });
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
        mSerial.close();
        return;
    }
    if (mComNumber < 1)
        throw ComPortError(ComPortError::EBadId, u"COM%1 does not exist"_s.arg(mComNumber));
    const QString device = systemPortName();
    mSerial.setPortName(device);
    if (!mSerial.open(QIODevice::ReadWrite)) {
        const ComPortError failure(openErrorKind(mSerial.error()), u"%1: %2"_s.arg(device, mSerial.errorString()));
        mSerial.clearError();
        throw failure;
    }
    // A port without modem lines (a pseudo-terminal, some adapters) refuses
    // these; the device does not need them.
    mSerial.setDataTerminalReady(true);
    mSerial.setRequestToSend(true);
    mSerial.clearError();
}

void SerialLink::sendByte(quint8 byte)
{
    if (!isOpen())
        throw ComPortError(ComPortError::EInOutError, u"COM%1 is not open"_s.arg(mComNumber));
    if (mQueue.size() + mSerial.bytesToWrite() >= BufferSize)
        throw ComPortError(ComPortError::EOutputBufferTooSmall, u"Output buffer too small"_s);
    mQueue.append(char(byte));
    if (!mFlushTimer.isActive())
        mFlushTimer.start();
}

void SerialLink::flushQueue()
{
    mFlushTimer.stop();
    if (mQueue.isEmpty() || !isOpen())
        return;
    // One write for the whole queue: the bytes leave as one stream.
    mSerial.write(mQueue);
    mQueue.clear();
    mSerial.flush();
    mSerial.clearError();
}

bool SerialLink::inputReady()
{
    if (!isOpen())
        return false;
    if (mSerial.bytesAvailable() == 0) {
        // Fetch what the system holds without running the event loop.
        mSerial.waitForReadyRead(0);
        mSerial.clearError();
    }
    return mSerial.bytesAvailable() > 0;
}

quint8 SerialLink::receiveByte()
{
    char byte = 0;
    if (!inputReady() || !mSerial.getChar(&byte))
        throw ComPortError(ComPortError::EBufferIsEmpty, u"Receive buffer is empty"_s);
    return quint8(byte);
}

bool SerialLink::systemOutputPending(int &count) const
{
    count = 0;
#ifdef Q_OS_UNIX
    return ::ioctl(int(mSerial.handle()), TIOCOUTQ, &count) == 0;
#else
    return true;
#endif
}

int SerialLink::outputPending()
{
    // A line gone away holds nothing more than what never reached it.
    return pendingOnLine().value_or(int(mQueue.size() + mSerial.bytesToWrite()));
}

std::optional<int> SerialLink::pendingOnLine()
{
    if (!isOpen())
        return 0;
    int system = 0;
    if (!systemOutputPending(system))
        return std::nullopt;
    return int(mQueue.size() + mSerial.bytesToWrite()) + system;
}

void SerialLink::discardOutput()
{
    mFlushTimer.stop();
    mQueue.clear();
    if (isOpen()) {
        mSerial.clear(QSerialPort::Output);
        mSerial.clearError();
    }
}

bool SerialLink::waitTicks(int ticks, bool keepUIAlive)
{
    flushQueue();
    const qint64 endMs = (clockMs() / TickMs + ticks + 1) * TickMs;
    if (!keepUIAlive || !QCoreApplication::instance()) {
        std::this_thread::sleep_for(std::chrono::milliseconds(std::max<qint64>(0, endMs - clockMs())));
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
    timer.start(int(std::max<qint64>(0, endMs - clockMs())));
    loop.exec();
    return waitedOut;
}

void SerialLink::setBaudRate(int baud)
{
    mBaudRate = baud;
    mSerial.setBaudRate(baud);
}

int SerialLink::lineTimeMs(int byteCount, int baud)
{
    return int((qint64(byteCount) * BitsPerByte * 1000 + baud - 1) / baud);
}

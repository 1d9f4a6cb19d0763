#pragma once

#include "core/device/ComPortNames.h"
#include "gui/device/SerialDevice.h"

#include <QByteArray>
#include <QTimer>
#include <functional>
#include <memory>
#include <optional>

// The serial port the device hangs on: 1200 baud, 8 data bits, no parity, one
// stop bit, no flow control, DTR and RTS raised while open, 4096-byte
// buffers. It never calls back: the program polls it.
class SerialLink
{
public:
    static constexpr int Baud = 1200;
    static constexpr int BitsPerByte = 10; // start, 8 data, stop
    static constexpr int BufferSize = 4096;
    static constexpr int TickMs = 55;

    using DeviceMaker = std::function<std::unique_ptr<SerialDevice>()>;

    // The device comes from makeDevice when a port is first opened; by
    // default a port of the system's.
    explicit SerialLink(const ComPortNames &names = ComPortNames(), DeviceMaker makeDevice = {});
    SerialLink(const SerialLink &) = delete;
    SerialLink &operator=(const SerialLink &) = delete;

    int comNumber() const { return mComNumber; }
    // Selects the port for the next open; an open port moves to it (and may
    // throw as setOpen(true) does).
    void setComNumber(int comNumber);
    bool isOpen() const { return mDevice && mDevice->isOpen(); }
    // Throws ComPortError of one of the four open kinds when the port cannot
    // be opened. Opening an open port or closing a closed one does nothing.
    void setOpen(bool open);
    // The system device that comNumber stands for.
    QString systemPortName() const { return systemPortName(mComNumber); }
    QString systemPortName(int comNumber) const { return mNames.systemPortName(comNumber); }

    // Queues a byte and returns at once. Queued bytes go to the system in one
    // piece when the program next waits, or when control returns to the
    // event loop.
    void sendByte(quint8 byte);
    // Hands the queued bytes to the system now.
    void flush();
    bool inputReady();
    // Throws ComPortError::EBufferIsEmpty when nothing is waiting.
    quint8 receiveByte();
    // Bytes queued but not yet on the wire: ours, Qt's and the system's.
    int outputPending();
    // The same, or nothing when the line has gone away (hung up, unplugged).
    std::optional<int> pendingOnLine();
    // Every byte handed over has left: none queued, and the system's queue
    // reads empty. A pseudo-terminal keeps no queue: what it accepts is with
    // the program at its other end at once, even one that exits right away.
    bool outputLeft();
    // Drops the queued bytes not yet sent, the system's included.
    void discardOutput();

    // Waits until the 55 ms tick count has passed the starting tick plus
    // ticks (10 ticks: 550 to 605 ms). With keepUIAlive the event loop runs
    // meanwhile; a quit request then ends the wait early and false is
    // returned. The device conversation waits on a timer instead (tickWaitEnd).
    bool waitTicks(int ticks, bool keepUIAlive);
    // The millisecond clock the ticks count on.
    static qint64 clockMs();
    // The clock time at which a wait of `ticks` ticks begun now ends.
    static qint64 tickWaitEnd(int ticks);
    // Milliseconds from now until the clock reaches clockEndMs; 0 once it has.
    static int msBefore(qint64 clockEndMs);
    // The line speed; Baud unless a test runs the line faster.
    int baudRate() const { return mBaudRate; }
    void setBaudRate(int baud);

    // Milliseconds the line needs for byteCount bytes.
    static int lineTimeMs(int byteCount, int baud = Baud);

private:
    SerialDevice &device();
    // Ours and Qt's.
    int queued() const;
    // Bytes in the system's transmit queue; false when the line is gone.
    bool systemOutputPending(int &count) const;

    ComPortNames mNames;
    DeviceMaker mMakeDevice;
    std::unique_ptr<SerialDevice> mDevice;
    bool mPseudoTerminal = false;
    int mBaudRate = Baud;
    QTimer mFlushTimer;
    QByteArray mQueue;
    int mComNumber = 0;
};

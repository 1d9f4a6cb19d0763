#pragma once

#include <QString>

class QByteArray;

// The system's serial port under SerialLink, 8 data bits, no parity, one
// stop bit, no flow control. Its own errors are cleared as they come: the
// link looks at what it reads and writes, not at an error state.
class SerialDevice
{
public:
    enum class OpenError { NotFound, Permission, InUse, Other };

    virtual ~SerialDevice() = default;

    // False, with the reason in openError() and errorString(), when the
    // system device cannot be opened for reading and writing.
    virtual bool open(const QString &systemName, int baud, int readBufferSize) = 0;
    virtual OpenError openError() const = 0;
    virtual QString errorString() const = 0;
    virtual bool isOpen() const = 0;
    virtual void close() = 0;
    virtual void setBaudRate(int baud) = 0;
    // DTR and RTS; a port without modem lines refuses them, which is no harm.
    virtual void raiseModemLines() = 0;
    // Hands the bytes to the system at once.
    virtual void write(const QByteArray &bytes) = 0;
    virtual qint64 bytesToWrite() const = 0;
    // Bytes waiting to be read, fetched from the system without running the
    // event loop.
    virtual qint64 bytesAvailable() = 0;
    virtual bool getChar(char *byte) = 0;
    // The system's handle of the open port.
    virtual int handle() const = 0;
    // Drops what is queued for sending, the system's queue included.
    virtual void discardOutput() = 0;
};

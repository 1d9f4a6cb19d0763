#pragma once

#include "gui/device/SerialDevice.h"

#include <QSerialPort>
#include <memory>

// SerialDevice on Qt Serial Port.
class QtSerialDevice : public SerialDevice
{
public:
    static std::unique_ptr<SerialDevice> create() { return std::make_unique<QtSerialDevice>(); }

    bool open(const QString &systemName, int baud, int readBufferSize) override;
    OpenError openError() const override { return mOpenError; }
    QString errorString() const override { return mErrorString; }
    bool isOpen() const override { return mSerial.isOpen(); }
    void close() override { mSerial.close(); }
    void setBaudRate(int baud) override { mSerial.setBaudRate(baud); }
    void raiseModemLines() override;
    void write(const QByteArray &bytes) override;
    qint64 bytesToWrite() const override { return mSerial.bytesToWrite(); }
    qint64 bytesAvailable() override;
    bool getChar(char *byte) override { return mSerial.getChar(byte); }
    int handle() const override { return int(mSerial.handle()); }
    void discardOutput() override;

private:
    QSerialPort mSerial;
    OpenError mOpenError = OpenError::Other;
    QString mErrorString;
};

#include "gui/device/QtSerialDevice.h"

namespace {
SerialDevice::OpenError openErrorOf(QSerialPort::SerialPortError error)
{
    switch (error) {
    case QSerialPort::DeviceNotFoundError:
        return SerialDevice::OpenError::NotFound;
    case QSerialPort::PermissionError:
        return SerialDevice::OpenError::Permission;
    case QSerialPort::OpenError:
        return SerialDevice::OpenError::InUse;
    default:
        return SerialDevice::OpenError::Other;
    }
}
} // namespace

bool QtSerialDevice::open(const QString &systemName, int baud, int readBufferSize)
{
    mSerial.setPortName(systemName);
    mSerial.setBaudRate(baud);
    mSerial.setDataBits(QSerialPort::Data8);
    mSerial.setParity(QSerialPort::NoParity);
    mSerial.setStopBits(QSerialPort::OneStop);
    mSerial.setFlowControl(QSerialPort::NoFlowControl);
    mSerial.setReadBufferSize(readBufferSize);
    if (!mSerial.open(QIODevice::ReadWrite)) {
        mOpenError = openErrorOf(mSerial.error());
        mErrorString = mSerial.errorString();
        mSerial.clearError();
        return false;
    }
    return true;
}

void QtSerialDevice::raiseModemLines()
{
    mSerial.setDataTerminalReady(true);
    mSerial.setRequestToSend(true);
    mSerial.clearError();
}

void QtSerialDevice::write(const QByteArray &bytes)
{
    mSerial.write(bytes);
    mSerial.flush();
    mSerial.clearError();
}

qint64 QtSerialDevice::bytesAvailable()
{
    if (mSerial.bytesAvailable() == 0) {
        mSerial.waitForReadyRead(0);
        mSerial.clearError();
    }
    return mSerial.bytesAvailable();
}

void QtSerialDevice::discardOutput()
{
    mSerial.clear(QSerialPort::Output);
    mSerial.clearError();
}

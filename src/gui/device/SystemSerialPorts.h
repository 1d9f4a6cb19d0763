#pragma once

#include <QList>
#include <QString>

// A serial port of the computer's own (a built-in UART, a USB adapter) as the
// system lists it now. Pseudo-terminals, such as the virtual device's, are
// none of them.
struct SystemSerialPort
{
    QString device;       // "/dev/ttyUSB0"
    QString description;  // "FT232R USB UART"; may be empty
    QString manufacturer; // "FTDI"; may be empty

    // What the system tells of the port ("FT232R USB UART, FTDI"), or empty.
    QString about() const;
};

// Asked afresh at every call, so that an adapter plugged in meanwhile is
// there; ordered by name with numbers by value (ttyS2 before ttyS10).
QList<SystemSerialPort> systemSerialPorts();

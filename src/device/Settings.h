#pragma once

#include <QString>

// MIRANDEL.INI, the program's settings file: the COM port in force (key
// "Port" of section "Mirandel", 0 = none) and section "Ports", which can name
// the system device of a COM port ("COM1=/dev/ttyUSB0"). Every value is read
// from the file when asked for, so a changed file needs no restart.
class Settings
{
public:
    // The file beside the program.
    static QString defaultPath();

    explicit Settings(const QString &path = defaultPath());

    const QString &path() const { return mPath; }

    // A missing or non-integer value reads as 0.
    int port() const;
    // True when the file was written.
    bool setPort(int port);

    // The device section "Ports" names for COM port comNumber; empty when none.
    QString portDevice(int comNumber) const;

private:
    QString mPath;
};

#pragma once

#include <QStringList>

// MIRANDEL.INI, the program's settings file: the COM port in force (key
// "Port" of section "Mirandel", 0 = none), section "Ports", which can name
// the system device of a COM port ("COM1=/dev/ttyUSB0"), and the Recent Files
// list. Every value is read from the file when asked for, so a changed file
// needs no restart.
class Settings
{
public:
    // The file beside the program, or in the user's configuration folder
    // when the program is installed or its folder cannot be written.
    static QString defaultPath();
    static QString pathFor(const QString &programFolder, const QString &userFolder);

    explicit Settings(const QString &path = defaultPath());

    const QString &path() const { return mPath; }

    // A missing or non-integer value reads as 0.
    int port() const;
    // True when the file was written.
    bool setPort(int port);

    // The device section "Ports" names for COM port comNumber; empty when none.
    QString portDevice(int comNumber) const;

    // Newest first; true when the file was written.
    QStringList recentFiles() const;
    bool setRecentFiles(const QStringList &paths);

private:
    QString mPath;
};

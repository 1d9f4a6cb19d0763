#pragma once

#include "session/ProgramFiles.h"

#include <QMap>
#include <QString>

// Which system device each COM port (1 to 4) opens: COMn on Windows,
// /dev/ttyS0 to /dev/ttyS3 elsewhere, unless section "Ports" of the settings
// file names a device for the port ("COM1=/dev/ttyUSB0"). A device assigned
// in code wins over both.
class ComPortNames
{
public:
    explicit ComPortNames(const QString &settingsFile = SettingsFilePath());

    void assign(int comNumber, const QString &device);
    QString systemPortName(int comNumber) const;

private:
    QString mSettingsFile;
    QMap<int, QString> mAssigned;
};

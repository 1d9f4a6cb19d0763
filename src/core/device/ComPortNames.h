#pragma once

#include "core/settings/Settings.h"

#include <QMap>
#include <QString>

// Which system device each COM port (1 to 4) opens: COMn on Windows,
// /dev/ttyS0 to /dev/ttyS3 elsewhere, unless the settings name a device for
// the port. A device assigned in code wins over both.
class ComPortNames
{
public:
    explicit ComPortNames(const Settings &settings = Settings());

    void assign(int comNumber, const QString &device);
    QString systemPortName(int comNumber) const;
    // What COM port comNumber opens when nothing names another device.
    static QString standardName(int comNumber);

private:
    Settings mSettings;
    QMap<int, QString> mAssigned;
};

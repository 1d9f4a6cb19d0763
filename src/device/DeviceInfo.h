#pragma once

#include <QString>

// What the last successful identification told about the device.
struct DeviceInfo
{
    QString modelName; // "Ambrion" or "Calidor"
    QString revision;  // "2.3" for revision byte 23
    int sessionsAvailable = 0;
    int segmentsAvailable = 0;

    // "Ambrion, rev 2.3 has 5 sessions and 300 segments available"
    QString summary() const;
    // The revision byte as text: r div 10, ".", r mod 10.
    static QString revisionText(quint8 revision);
};

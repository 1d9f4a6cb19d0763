#pragma once

#include "core/compiler/SessionImage.h"

#include <QStringList>

// What the last successful identification told about the device.
struct DeviceInfo
{
    QString modelName; // "Ambrion" or "Calidor"
    SessionImage::DeviceModel model = SessionImage::AmbrionModel; // for the download header
    QString revision;  // "2.3" for revision byte 23
    int sessionsAvailable = 0;
    int segmentsAvailable = 0;

    // "Ambrion, rev 2.3 has 5 sessions and 300 segments available"
    QString summary() const;
    // Why an append of segmentCount segments does not fit, in the download's
    // order: "Download capacity of %d segments exceeded", "System has max
    // sessions downloaded". Empty when it fits.
    QStringList appendRefusals(int segmentCount) const;
    // The revision byte as text: r div 10, ".", r mod 10.
    static QString revisionText(quint8 revision);
};

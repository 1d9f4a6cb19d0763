#pragma once

#include "VirtualDevice.h"

#include <QString>
#include <QStringList>

// What the command line asks of the virtual device.
struct DevsimOptions
{
    DeviceSettings device;
    int lateAnswerMs = 1000;
    QString linkPath;

    // Fills the options; false with errorText on a bad argument.
    bool parse(const QStringList &arguments);
    QString errorText;
    bool helpRequested = false;

    static QString usage();
};

#pragma once

#include "VirtualDevice.h"

#include <QString>
#include <QStringList>

// What the command line asks of the virtual device.
struct DevsimOptions
{
    static constexpr int RealBaud = 1200;

    DeviceSettings device;
    int lateAnswerMs = 1000;
    int baud = 0; // the pace the line is read at; 0 for at once
    QString linkPath;

    // Fills the options; false with errorText on a bad argument.
    bool parse(const QStringList &arguments);
    QString errorText;
    bool helpRequested = false;

    static QString usage();
};

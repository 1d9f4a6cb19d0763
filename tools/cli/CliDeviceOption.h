#pragma once

#include "core/device/ComPortNames.h"

#include <QStringList>

// The device a command talks to: "--port N" (COM port N through the port
// mapping of MIRANDEL.INI) or "--device PATH" (the serial device itself).
struct CliDeviceOption
{
    int port = 0;
    ComPortNames names;
    // The device comes from "--port": a failure to open it names the device
    // and the system's reason, which "--device" leaves to the user who named it.
    bool namesDeviceOnFailure = false;

    // Takes the option out of arguments. False when neither or both are
    // given, or the port is not 0 to 4.
    bool take(QStringList &arguments);

    // The lines of a command's help that explain the two options.
    static QString help();
};

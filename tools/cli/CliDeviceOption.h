#pragma once

#include "core/device/ComPortNames.h"

#include <QStringList>

// The device a command talks to: "--port N" (COM port N through the port
// mapping of MIRANDEL.INI) or "--device PATH" (the serial device itself).
struct CliDeviceOption
{
    int port = 0;
    ComPortNames names;

    // Takes the option out of arguments. False when neither or both are
    // given, or the port is not 0 to 4.
    bool take(QStringList &arguments);

    // The lines of a command's help that explain the two options.
    static QString help();
};

#pragma once

#include "device/SerialDevice.h"

#include <QObject>

// The serial module's entry: Qt Serial Port.
class SerialPlugin : public QObject, public SerialModule
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID SerialModule_iid)
    Q_INTERFACES(SerialModule)
public:
    std::unique_ptr<SerialDevice> createDevice() override;
};

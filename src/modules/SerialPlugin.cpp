#include "modules/SerialPlugin.h"

#include "device/QtSerialDevice.h"

std::unique_ptr<SerialDevice> SerialPlugin::createDevice()
{
    return QtSerialDevice::create();
}

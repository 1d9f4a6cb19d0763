#include "CliCommand.h"
#include "CliConversation.h"
#include "CliDeviceOption.h"
#include "StderrPrompter.h"

#include "gui/device/DeviceLink.h"
#include "gui/device/QtSerialDevice.h"
#include "gui/device/SerialLink.h"

using namespace Qt::Literals::StringLiterals;

namespace {
int runIdentify(const QStringList &arguments);

const CliCommand IdentifyCommand{
    u"identify"_s,
    u"identify (--port N | --device PATH)"_s,
    u"Asks the device who it is and prints what it has room for."_s,
    CliDeviceOption::help() +
    u"Prints \"MODEL, rev R has S sessions and N segments available\"; messages go to stderr.\n"
    "Exit status 0 when the device answered, 1 otherwise."_s,
    runIdentify,
};
const CliCommandRegistration registration(IdentifyCommand);

int runIdentify(const QStringList &arguments)
{
    QStringList rest = arguments;
    CliDeviceOption device;
    if (!device.take(rest) || !rest.isEmpty())
        return usageError(IdentifyCommand);
    SerialLink port(device.names, QtSerialDevice::create);
    DeviceLink link(port);
    StderrPrompter prompter;
    prompter.showsDetails = device.namesDeviceOnFailure;
    if (!runConversation(link, &DeviceLink::identificationFinished,
                         [&] { return link.startIdentification(device.port, prompter); }))
        return 1;
    link.closePort();
    printLine(link.info().summary());
    return 0;
}
} // namespace

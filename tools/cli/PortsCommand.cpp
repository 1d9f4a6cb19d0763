// mirandel-cli ports: the system's serial ports and the device each COM port opens.
#include "CliCommand.h"

#include "core/device/ComPortNames.h"
#include "core/settings/Settings.h"
#include "gui/device/SystemSerialPorts.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace {
int runPorts(const QStringList &arguments);

const CliCommand portsCommand{
    u"ports"_s,
    u"ports"_s,
    u"Lists the device each COM port opens and the serial ports the system has now."_s,
    u"One line a port, TAB-separated: first COM1 to COM4, each with the device it opens (through\n"
    u"the [Ports] mapping of MIRANDEL.INI) and what the system tells of that device, \"not found\"\n"
    u"when there is no such device; then \"-\" for each serial port of the system that no COM port\n"
    u"opens, with its device, description and manufacturer. Pseudo-terminals (the virtual device)\n"
    u"show only where a COM port leads to them."_s,
    runPorts};

const CliCommandRegistration registration(portsCommand);

QString tableLine(const QString &name, const QString &device, const QString &about)
{
    return about.isEmpty() ? name + u'\t' + device : name + u'\t' + device + u'\t' + about;
}

int runPorts(const QStringList &arguments)
{
    if (!arguments.isEmpty())
        return usageError(portsCommand);
    const QList<SystemSerialPort> system = systemSerialPorts();
    const ComPortNames names{Settings()};
    QStringList reached;
    for (int n = 1; n <= 4; ++n) {
        const QString device = names.systemPortName(n);
        const auto listed = std::find_if(system.cbegin(), system.cend(),
                                         [&device](const SystemSerialPort &port) { return port.device == device; });
        QString about;
        if (listed != system.cend())
            about = listed->about();
        else if (QDir::isAbsolutePath(device) && !QFileInfo::exists(device))
            about = u"not found"_s;
        printLine(tableLine(u"COM%1"_s.arg(n), device, about));
        reached.append(device);
    }
    for (const SystemSerialPort &port : system) {
        if (!reached.contains(port.device))
            printLine(tableLine(u"-"_s, port.device, port.about()));
    }
    return 0;
}
} // namespace

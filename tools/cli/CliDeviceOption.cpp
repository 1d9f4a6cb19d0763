#include "CliDeviceOption.h"

#include "core/session/TextNumbers.h"

using namespace Qt::Literals::StringLiterals;

QString CliDeviceOption::help()
{
    return u"--port N       COM port 1 to 4, through the [Ports] mapping of MIRANDEL.INI (mirandel-cli ports\n"
           "               lists it); a port that cannot be opened is named, with the system's reason\n"
           "--device PATH  the serial device itself, e.g. /dev/ttyUSB0\n"_s;
}

namespace {
// The value of "--name VALUE" or "--name=VALUE", removed from arguments;
// nothing when absent, an empty text when the value is missing.
std::optional<QString> takeValue(QStringList &arguments, const QString &name)
{
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        if (argument == name) {
            const QString value = i + 1 < arguments.size() ? arguments.at(i + 1) : QString();
            arguments.remove(i, std::min<qsizetype>(2, arguments.size() - i));
            return value;
        }
        if (argument.startsWith(name + u'=')) {
            const QString value = argument.mid(name.size() + 1);
            arguments.remove(i);
            return value;
        }
    }
    return std::nullopt;
}
} // namespace

bool CliDeviceOption::take(QStringList &arguments)
{
    const std::optional<QString> portText = takeValue(arguments, u"--port"_s);
    const std::optional<QString> device = takeValue(arguments, u"--device"_s);
    if (portText.has_value() == device.has_value())
        return false;
    if (device) {
        if (device->isEmpty())
            return false;
        port = 1;
        names.assign(port, *device);
        return true;
    }
    const std::optional<int> number = TextNumbers::tryInteger(*portText);
    if (!number || *number < 0 || *number > 4)
        return false;
    port = *number;
    namesDeviceOnFailure = true;
    return true;
}

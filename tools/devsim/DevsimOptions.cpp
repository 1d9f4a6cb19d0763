#include "DevsimOptions.h"

#include <QCommandLineParser>

using namespace Qt::Literals::StringLiterals;

namespace {
// A number within [low, high], or nothing.
std::optional<int> boundedNumber(const QString &text, int low, int high)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || value < low || value > high)
        return std::nullopt;
    return value;
}
} // namespace

QString DevsimOptions::usage()
{
    return u"usage: mirandel-devsim [--model N|I|T|BYTE] [--revision R] [--sessions N] [--segments N]\n"
           "                       [--max-sessions N] [--max-segments N] [--fault MODE] [--late-ms MS]\n"
           "                       [--pace] [--baud N] [--link PATH]\n"
           "\n"
           "A virtual Ambrion or Calidor on a pseudo-terminal. The first line of output is the\n"
           "device to open; every identification request and download follows as a JSON line.\n"
           "\n"
           "  --model        model byte: N or I (Ambrion), T (Calidor), or a number 0-255 (default N)\n"
           "  --revision     revision byte, 23 meaning 2.3 (default 23)\n"
           "  --sessions     free sessions reported (default 10)\n"
           "  --segments     free segments reported (default 1000)\n"
           "  --max-sessions sessions a clear download makes room for (default: --sessions)\n"
           "  --max-segments segments a clear download makes room for (default: --segments)\n"
           "  --fault        none, silent, wrong-signature, unknown-model, short-answer,\n"
           "                 late-answer, hangup (after answering), stall (after answering),\n"
           "                 hangup-in-download (after the first segment of a download) or\n"
           "                 hangup-after-download (as soon as a download is complete)\n"
           "  --late-ms      delay of a late answer (default 1000)\n"
           "  --pace         read the line at its real speed, 1200 baud with 10 bits a byte,\n"
           "                 instead of at once\n"
           "  --baud         read the line at N baud instead (implies --pace)\n"
           "  --link         also make the device reachable as PATH (a symbolic link)"_s;
}

bool DevsimOptions::parse(const QStringList &arguments)
{
    struct Numeric
    {
        const char16_t *name;
        int low;
        int high;
        int *target;
    };
    int model = device.modelByte;
    int revision = device.revision;
    device.maxSessions = -1;
    device.maxSegments = -1;
    const Numeric numerics[] = {
        {u"revision", 0, 255, &revision},
        {u"sessions", 0, 255, &device.freeSessions},
        {u"segments", 0, 65535, &device.freeSegments},
        {u"max-sessions", 0, 255, &device.maxSessions},
        {u"max-segments", 0, 65535, &device.maxSegments},
        {u"late-ms", 0, 60000, &lateAnswerMs},
        {u"baud", 50, 4000000, &baud},
    };

    QCommandLineParser parser;
    parser.addOption({{u"h"_s, u"help"_s}, u"help"_s});
    parser.addOption({u"model"_s, u"model"_s, u"byte"_s});
    parser.addOption({u"fault"_s, u"fault"_s, u"mode"_s});
    parser.addOption({u"link"_s, u"link"_s, u"path"_s});
    parser.addOption({u"pace"_s, u"pace"_s});
    for (const Numeric &numeric : numerics)
        parser.addOption({QString::fromUtf16(numeric.name), QString(), u"n"_s});
    if (!parser.parse(arguments)) {
        errorText = parser.errorText();
        return false;
    }
    helpRequested = parser.isSet(u"help"_s);
    if (!parser.positionalArguments().isEmpty()) {
        errorText = u"unexpected argument: %1"_s.arg(parser.positionalArguments().first());
        return false;
    }
    for (const Numeric &numeric : numerics) {
        const QString name = QString::fromUtf16(numeric.name);
        if (!parser.isSet(name))
            continue;
        const std::optional<int> value = boundedNumber(parser.value(name), numeric.low, numeric.high);
        if (!value) {
            errorText = u"--%1 takes a number from %2 to %3"_s.arg(name).arg(numeric.low).arg(numeric.high);
            return false;
        }
        *numeric.target = *value;
    }
    if (parser.isSet(u"model"_s)) {
        const QString text = parser.value(u"model"_s);
        const std::optional<int> number = boundedNumber(text, 0, 255);
        if (number)
            model = *number;
        else if (text.size() == 1 && text.at(0).unicode() < 128)
            model = text.at(0).unicode();
        else {
            errorText = u"--model takes one character or a number from 0 to 255"_s;
            return false;
        }
    }
    if (parser.isSet(u"fault"_s)) {
        const std::optional<DeviceFault> fault = VirtualDevice::faultFromName(parser.value(u"fault"_s));
        if (!fault) {
            errorText = u"unknown fault mode: %1"_s.arg(parser.value(u"fault"_s));
            return false;
        }
        device.fault = *fault;
    }
    device.modelByte = quint8(model);
    device.revision = quint8(revision);
    if (device.maxSessions < 0)
        device.maxSessions = device.freeSessions;
    if (device.maxSegments < 0)
        device.maxSegments = device.freeSegments;
    if (parser.isSet(u"pace"_s) && baud == 0)
        baud = RealBaud;
    linkPath = parser.value(u"link"_s);
    return true;
}

#include "CliCommand.h"
#include "CliConversation.h"
#include "CliDeviceOption.h"
#include "CliSession.h"
#include "StderrPrompter.h"
#include "TerminalProgress.h"

#include "gui/device/DeviceLink.h"
#include "gui/device/QtSerialDevice.h"
#include "gui/device/SerialLink.h"
#include "core/session/Session.h"
#include "core/session/SessionDocument.h"

using namespace Qt::Literals::StringLiterals;

namespace {
int runDownload(const QStringList &arguments);

const CliCommand DownloadCommand{
    u"download"_s,
    u"download FILE (--port N | --device PATH) [--clear] [--force]"_s,
    u"Sends a .LSS session to the device, added to its sessions or, with --clear, replacing them."_s,
    CliDeviceOption::help() +
    u"--clear        replace the sessions stored in the device\n"
    "--force        send a file read with format errors: only what could be read\n"
    "The bytes go out at line speed, 1200 baud: about 17 s for 250 segments. Progress shows on\n"
    "stderr while it is a terminal; on success \"downloaded N segments (B bytes)\" goes to stdout.\n"
    "Every message goes to stderr. Exit status 0 when the whole session was sent, 1 otherwise."_s,
    runDownload,
};
const CliCommandRegistration registration(DownloadCommand);

int runDownload(const QStringList &arguments)
{
    QStringList rest = arguments;
    CliDeviceOption device;
    const bool clear = rest.removeAll(u"--clear"_s) > 0;
    const bool force = rest.removeAll(u"--force"_s) > 0;
    if (!device.take(rest) || rest.size() != 1 || rest.first().startsWith(u"--"_s))
        return usageError(DownloadCommand);
    StderrPrompter prompter;
    prompter.showsDetails = device.namesDeviceOnFailure;
    SessionDocument document;
    SerialLink port(device.names, QtSerialDevice::create);
    DeviceLink link(port);
    if (!loadSessionFile(rest.first(), document, prompter))
        return 1;
    if (readWithFormatErrors(document) && !force) {
        printError(u"mirandel-cli: \"%1\" was read with format errors; the device would get only what could be "
                   u"read. Nothing was sent (--force sends it all the same)."_s.arg(rest.first()));
        return 1;
    }
    const Session &session = document.session();
    TerminalProgress progress;
    if (TerminalProgress::isWanted())
        link.setProgress(&progress);
    if (!runConversation(link, &DeviceLink::downloadFinished,
                         [&] { return link.startDownload(clear, session, device.port, prompter); }))
        return 1;
    printLine(u"downloaded %1 segments (%2 bytes)"_s.arg(session.cells.columnCount()).arg(link.lastDownloadBytes()));
    return 0;
}
} // namespace

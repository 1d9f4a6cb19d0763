#include "WaitedDeviceLink.h"

#include <QEventLoop>
#include <optional>

bool WaitedDeviceLink::checkSystem(int port, Prompter &prompter)
{
    return runToEnd(&DeviceLink::identificationFinished, [&] { return startIdentification(port, prompter); });
}

bool WaitedDeviceLink::download(bool clear, const Session &session, int comPortNumber, Prompter &prompter)
{
    return runToEnd(&DeviceLink::downloadFinished,
                    [&] { return startDownload(clear, session, comPortNumber, prompter); });
}

bool WaitedDeviceLink::runToEnd(void (DeviceLink::*finished)(bool), const std::function<bool()> &start)
{
    QEventLoop loop;
    std::optional<bool> outcome;
    const QMetaObject::Connection connection = connect(this, finished, &loop, [&](bool succeeded) {
        outcome = succeeded;
        loop.quit();
    });
    const bool started = start();
    if (started && !outcome)
        loop.exec();
    disconnect(connection);
    if (started && !outcome)
        abandon();
    return outcome.value_or(false);
}

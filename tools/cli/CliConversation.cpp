#include "CliConversation.h"

#include "gui/device/DeviceLink.h"

#include <QCoreApplication>
#include <optional>

bool runConversation(DeviceLink &link, void (DeviceLink::*finished)(bool), const std::function<bool()> &start)
{
    std::optional<bool> outcome;
    bool looping = false;
    const QMetaObject::Connection connection = QObject::connect(&link, finished, &link, [&](bool succeeded) {
        outcome = succeeded;
        // An exit with no loop running would only announce the end of the
        // application.
        if (looping)
            QCoreApplication::exit(0);
    });
    if (start() && !outcome) {
        looping = true;
        QCoreApplication::exec();
    }
    QObject::disconnect(connection);
    return outcome.value_or(false);
}

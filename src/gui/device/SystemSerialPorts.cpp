#include "gui/device/SystemSerialPorts.h"

#include <QCollator>
#include <QSerialPortInfo>
#include <algorithm>

using namespace Qt::Literals::StringLiterals;

QString SystemSerialPort::about() const
{
    QStringList parts;
    for (const QString &part : {description, manufacturer}) {
        if (!part.isEmpty() && !parts.contains(part))
            parts.append(part);
    }
    return parts.join(u", "_s);
}

QList<SystemSerialPort> systemSerialPorts()
{
    QList<SystemSerialPort> ports;
    for (const QSerialPortInfo &info : QSerialPortInfo::availablePorts())
        ports.append({info.systemLocation(), info.description().trimmed(), info.manufacturer().trimmed()});
    QCollator byName;
    byName.setNumericMode(true);
    std::sort(ports.begin(), ports.end(),
              [&byName](const SystemSerialPort &a, const SystemSerialPort &b) { return byName(a.device, b.device); });
    return ports;
}

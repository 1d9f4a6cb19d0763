#include "session/PortSetting.h"

#include "session/TextNumbers.h"

#include <QSettings>

using namespace Qt::Literals::StringLiterals;

namespace {
const QString PortKey = u"Mirandel/Port"_s;
}

int ReadPortSetting(const QString &iniPath)
{
    QSettings settings(iniPath, QSettings::IniFormat);
    const QString text = settings.value(PortKey).toString().trimmed();
    return TextNumbers::tryInteger(text).value_or(0);
}

bool WritePortSetting(const QString &iniPath, int port)
{
    QSettings settings(iniPath, QSettings::IniFormat);
    settings.setValue(PortKey, port);
    settings.sync();
    return settings.status() == QSettings::NoError;
}

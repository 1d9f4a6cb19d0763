#include "device/Settings.h"

#include "session/ProgramFiles.h"
#include "session/TextNumbers.h"

#include <QSettings>

using namespace Qt::Literals::StringLiterals;

QString Settings::defaultPath()
{
    return exeDirectory() + u"MIRANDEL.INI"_s;
}

Settings::Settings(const QString &path)
    : mPath(path)
{
}

int Settings::port() const
{
    const QSettings file(mPath, QSettings::IniFormat);
    const QString text = file.value(u"Mirandel/Port"_s).toString().trimmed();
    return TextNumbers::tryInteger(text).value_or(0);
}

bool Settings::setPort(int port)
{
    QSettings file(mPath, QSettings::IniFormat);
    file.setValue(u"Mirandel/Port"_s, port);
    file.sync();
    return file.status() == QSettings::NoError;
}

QString Settings::portDevice(int comNumber) const
{
    const QSettings file(mPath, QSettings::IniFormat);
    return file.value(u"Ports/COM%1"_s.arg(comNumber)).toString().trimmed();
}

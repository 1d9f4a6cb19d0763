#include "device/Settings.h"

#include "session/ProgramFiles.h"
#include "session/TextNumbers.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

using namespace Qt::Literals::StringLiterals;

namespace {
const QString FileName = u"MIRANDEL.INI"_s;
const QString RecentGroup = u"RecentFiles"_s;

bool written(QSettings &file)
{
    file.sync();
    return file.status() == QSettings::NoError;
}
} // namespace

QString Settings::defaultPath()
{
    return pathFor(exeDirectory(), QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation));
}

QString Settings::pathFor(const QString &programFolder, const QString &userFolder)
{
    // An installed program stays out of its system folder even for root.
    const bool besideProgram = installedDataFolder(programFolder).isEmpty() && QFileInfo(programFolder).isWritable();
    if (besideProgram || userFolder.isEmpty())
        return QDir(programFolder).filePath(FileName);
    return QDir(userFolder).filePath(FileName);
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
    return written(file);
}

QString Settings::portDevice(int comNumber) const
{
    const QSettings file(mPath, QSettings::IniFormat);
    return file.value(u"Ports/COM%1"_s.arg(comNumber)).toString().trimmed();
}

QStringList Settings::recentFiles() const
{
    QSettings file(mPath, QSettings::IniFormat);
    file.beginGroup(RecentGroup);
    QStringList paths;
    for (int number = 1; file.contains(u"File%1"_s.arg(number)); ++number)
        paths << file.value(u"File%1"_s.arg(number)).toString();
    return paths;
}

bool Settings::setRecentFiles(const QStringList &paths)
{
    QSettings file(mPath, QSettings::IniFormat);
    file.remove(RecentGroup);
    file.beginGroup(RecentGroup);
    for (qsizetype i = 0; i < paths.size(); ++i)
        file.setValue(u"File%1"_s.arg(i + 1), paths.at(i));
    file.endGroup();
    return written(file);
}

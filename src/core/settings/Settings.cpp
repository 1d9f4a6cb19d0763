#include "core/settings/Settings.h"

#include "core/settings/IniFile.h"
#include "core/settings/SharedIniFile.h"
#include "core/files/RecentFiles.h"
#include "core/settings/ProgramFiles.h"
#include "core/session/TextNumbers.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <functional>

using namespace Qt::Literals::StringLiterals;

namespace {
const QString FileName = u"MIRANDEL.INI"_s;
const QString PortKey = u"Mirandel/Port"_s;
const QString RecentGroup = u"RecentFiles"_s;

QString portDeviceKey(int comNumber)
{
    return u"Ports/COM%1"_s.arg(comNumber);
}

QStringList recentFilesIn(const IniFile &ini)
{
    QStringList paths;
    for (int number = 1;; ++number) {
        const QString key = u"%1/File%2"_s.arg(RecentGroup).arg(number);
        if (!ini.contains(key))
            return paths;
        paths << ini.value(key);
    }
}

void storeRecentFiles(IniFile &ini, const QStringList &paths)
{
    ini.remove(RecentGroup);
    for (qsizetype i = 0; i < paths.size(); ++i)
        ini.setValue(u"%1/File%2"_s.arg(RecentGroup).arg(i + 1), paths.at(i));
}
} // namespace

QString Settings::defaultPath()
{
    // Test programs share their folder: each keeps its settings apart.
    if (QStandardPaths::isTestModeEnabled())
        return QDir(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation)).filePath(FileName);
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

Settings::Settings()
{
    static const std::shared_ptr<SharedIniFile> program = std::make_shared<SharedIniFile>(defaultPath());
    mFile = program;
}

Settings::Settings(const QString &path)
    : mFile(std::make_shared<SharedIniFile>(path))
{
}

const QString &Settings::path() const
{
    return mFile->path();
}

const QString &Settings::lastWriteError() const
{
    return mFile->lastError();
}

int Settings::port() const
{
    return TextNumbers::tryInteger(mFile->ini().value(PortKey).trimmed()).value_or(0);
}

bool Settings::holdsPort() const
{
    const IniFile &ini = mFile->ini();
    return ini.contains(PortKey) && ini.value(PortKey) == QString::number(port());
}

bool Settings::setPort(int port)
{
    return mFile->change([port](IniFile &ini) { ini.setValue(PortKey, QString::number(port)); });
}

QString Settings::portDevice(int comNumber) const
{
    return mFile->ini().value(portDeviceKey(comNumber)).trimmed();
}

bool Settings::setPortDevice(int comNumber, const QString &device)
{
    const QString key = portDeviceKey(comNumber);
    return mFile->change([&](IniFile &ini) {
        if (device.isEmpty())
            ini.remove(key);
        else
            ini.setValue(key, device);
    });
}

QStringList Settings::recentFiles() const
{
    return recentFilesIn(mFile->ini());
}

bool Settings::setRecentFiles(const QStringList &paths)
{
    return mFile->change([&paths](IniFile &ini) { storeRecentFiles(ini, paths); });
}

bool Settings::editRecentFiles(const std::function<void(RecentFiles &)> &edit)
{
    return mFile->change([&edit](IniFile &ini) {
        RecentFiles files(recentFilesIn(ini));
        edit(files);
        storeRecentFiles(ini, files.paths());
    });
}

bool Settings::addRecentFile(const QString &path)
{
    return editRecentFiles([&path](RecentFiles &files) { files.add(path); });
}

bool Settings::removeRecentFile(const QString &path)
{
    return editRecentFiles([&path](RecentFiles &files) { files.remove(path); });
}

#include "core/settings/Settings.h"

#include "core/settings/IniFile.h"
#include "core/files/RecentFiles.h"
#include "core/files/SafeFileWriter.h"
#include "core/settings/ProgramFiles.h"
#include "core/session/TextNumbers.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <filesystem>
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

constexpr QFileDevice::Permissions PrivateFile = QFileDevice::ReadOwner | QFileDevice::WriteOwner;

// Makes the folders missing on the way to folder, each for its owner alone.
bool makePrivateFolder(const QString &folder)
{
    const QFileInfo info(folder);
    if (info.isDir())
        return true;
    if (info.absolutePath() == info.absoluteFilePath() || !makePrivateFolder(info.absolutePath()))
        return false;
    return QDir().mkdir(folder, PrivateFile | QFileDevice::ExeOwner) || QFileInfo(folder).isDir();
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

// What tells a file changed by someone else: its time and size.
struct FileStamp
{
    bool exists = false;
    std::filesystem::file_time_type time;
    std::uintmax_t size = 0;

    static FileStamp of(const QString &path)
    {
        const std::filesystem::path file(path.toStdU16String());
        std::error_code error;
        FileStamp stamp;
        stamp.time = std::filesystem::last_write_time(file, error);
        stamp.exists = !error;
        stamp.size = stamp.exists ? std::filesystem::file_size(file, error) : 0;
        return stamp;
    }
    bool operator==(const FileStamp &other) const
    {
        return exists == other.exists && (!exists || (time == other.time && size == other.size));
    }
};
} // namespace

// The file's values in memory, shared by the copies of a Settings.
class Settings::File
{
public:
    explicit File(const QString &path)
        : mPath(path)
    {
    }

    const QString &path() const { return mPath; }

    // The values, read again when the file changed since they were read.
    const IniFile &ini()
    {
        const FileStamp stamp = FileStamp::of(mPath);
        if (!mRead || !(stamp == mStamp))
            read(stamp);
        return mIni;
    }

    // Applies edit to the file as it is now (another program's change of a
    // moment ago is kept, whatever its time stamp tells) and writes the file
    // when a value changed. False when the file could not be written, or
    // could not be read whole: a write never drops what it could not see.
    bool change(const std::function<void(IniFile &)> &edit)
    {
        read(FileStamp::of(mPath));
        if (!mWritable)
            return false;
        IniFile changed = mIni;
        edit(changed);
        if (changed == mIni)
            return true;
        if (!write(changed.bytes()))
            return false;
        mIni = changed;
        mStamp = FileStamp::of(mPath);
        return true;
    }

private:
    // The file holds the user's paths: it is for the user alone, and so is
    // the configuration folder when it is made for it. A replacement keeps
    // the permissions of the file it replaces, so a new file is made private
    // before it is filled.
    bool write(const QByteArray &bytes)
    {
        if (!makePrivateFolder(QFileInfo(mPath).absolutePath()))
            return false;
        QFile file(mPath);
        const bool created = file.open(QIODevice::WriteOnly | QIODevice::NewOnly, PrivateFile);
        file.close();
        if (!created)
            file.setPermissions(PrivateFile);
        if (!writeFileSafely(mPath, bytes))
            return true;
        if (created)
            file.remove();
        return false;
    }

    void read(const FileStamp &stamp)
    {
        mRead = true;
        mStamp = stamp;
        QFile file(mPath);
        if (!stamp.exists) {
            mIni = IniFile();
            mWritable = true;
            return;
        }
        const bool opened = file.open(QIODevice::ReadOnly);
        const QByteArray bytes = opened ? file.readAll() : QByteArray();
        mIni = IniFile(bytes);
        mWritable = opened && file.error() == QFileDevice::NoError && mIni.isWellFormed();
    }

    const QString mPath;
    bool mRead = false;
    FileStamp mStamp;
    IniFile mIni;
    bool mWritable = false;
};

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
    static const std::shared_ptr<File> program = std::make_shared<File>(defaultPath());
    mFile = program;
}

Settings::Settings(const QString &path)
    : mFile(std::make_shared<File>(path))
{
}

const QString &Settings::path() const
{
    return mFile->path();
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

#include "core/settings/Settings.h"

#include "core/settings/IniFile.h"
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

    // Applies edit and writes the file when a value changed. False when the
    // file could not be written, or could not be read whole: a write never
    // drops what it could not see.
    bool change(const std::function<void(IniFile &)> &edit)
    {
        IniFile changed = ini();
        if (!mWritable)
            return false;
        edit(changed);
        if (changed == mIni)
            return true;
        // The user's configuration folder may not exist yet.
        if (!QDir().mkpath(QFileInfo(mPath).absolutePath()) || writeFileSafely(mPath, changed.bytes()))
            return false;
        mIni = changed;
        mStamp = FileStamp::of(mPath);
        return true;
    }

private:
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
    return mFile->ini().value(u"Ports/COM%1"_s.arg(comNumber)).trimmed();
}

QStringList Settings::recentFiles() const
{
    const IniFile &ini = mFile->ini();
    QStringList paths;
    for (int number = 1;; ++number) {
        const QString key = u"%1/File%2"_s.arg(RecentGroup).arg(number);
        if (!ini.contains(key))
            return paths;
        paths << ini.value(key);
    }
}

bool Settings::setRecentFiles(const QStringList &paths)
{
    return mFile->change([&paths](IniFile &ini) {
        ini.remove(RecentGroup);
        for (qsizetype i = 0; i < paths.size(); ++i)
            ini.setValue(u"%1/File%2"_s.arg(RecentGroup).arg(i + 1), paths.at(i));
    });
}

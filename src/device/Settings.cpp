#include "device/Settings.h"

#include "files/SafeFileWriter.h"
#include "session/ProgramFiles.h"
#include "session/TextNumbers.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <functional>

using namespace Qt::Literals::StringLiterals;

namespace {
const QString FileName = u"MIRANDEL.INI"_s;
const QString RecentGroup = u"RecentFiles"_s;

// QSettings syncs the files it writes to the disk. Its scratch copies go to a
// memory file system where there is one, unless TMPDIR says otherwise: that
// wait would cost more than the rest of the program's start.
QString scratchFolderTemplate()
{
    const QFileInfo memory(u"/dev/shm"_s);
    const bool inMemory = qEnvironmentVariableIsEmpty("TMPDIR") && memory.isDir() && memory.isWritable();
    return (inMemory ? memory.filePath() : QDir::tempPath()) + u"/mirandel-XXXXXX"_s;
}

// QSettings only ever works on a copy of the file under a fresh path: it
// trusts its per-path cache while the file's size and time look unchanged,
// and its own save can leave an empty file behind on a full disk without a
// word. The real file is read whole and replaced only by writeFileSafely().
class SettingsCopy
{
public:
    explicit SettingsCopy(const QString &path)
        : mPath(path)
        , mDir(scratchFolderTemplate())
        , mCopied(copyFile())
        , mIni(mCopied ? mDir.filePath(FileName) : path, QSettings::IniFormat)
    {
    }

    const QSettings &ini() const { return mIni; }

    // Applies edit to the copy and writes the result over the file; true when
    // the file was written. Without a copy nothing is touched.
    bool change(const std::function<void(QSettings &)> &edit)
    {
        if (!mCopied)
            return false;
        edit(mIni);
        mIni.sync();
        QFile copy(mIni.fileName());
        if (mIni.status() != QSettings::NoError)
            return false;
        // An edit that left a missing file empty writes nothing.
        if (!copy.exists())
            return true;
        if (!copy.open(QIODevice::ReadOnly))
            return false;
        const QByteArray bytes = copy.readAll();
        if (copy.error() != QFileDevice::NoError)
            return false;
        // The user's configuration folder may not exist yet.
        return QDir().mkpath(QFileInfo(mPath).absolutePath()) && !writeFileSafely(mPath, bytes);
    }

private:
    // False when the file exists but cannot be read, so that a write never
    // drops what it could not see.
    bool copyFile() const
    {
        if (!mDir.isValid())
            return false;
        QFile original(mPath);
        if (!original.exists())
            return true;
        QFile copy(mDir.filePath(FileName));
        if (!original.open(QIODevice::ReadOnly) || !copy.open(QIODevice::WriteOnly))
            return false;
        const QByteArray bytes = original.readAll();
        return original.error() == QFileDevice::NoError && copy.write(bytes) == bytes.size() && copy.flush();
    }

    QString mPath;
    QTemporaryDir mDir;
    bool mCopied;
    QSettings mIni;
};
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
    const QString text = SettingsCopy(mPath).ini().value(u"Mirandel/Port"_s).toString().trimmed();
    return TextNumbers::tryInteger(text).value_or(0);
}

bool Settings::setPort(int port)
{
    return SettingsCopy(mPath).change([port](QSettings &ini) { ini.setValue(u"Mirandel/Port"_s, port); });
}

QString Settings::portDevice(int comNumber) const
{
    return SettingsCopy(mPath).ini().value(u"Ports/COM%1"_s.arg(comNumber)).toString().trimmed();
}

QStringList Settings::recentFiles() const
{
    const SettingsCopy copy(mPath);
    const QSettings &ini = copy.ini();
    QStringList paths;
    for (int number = 1;; ++number) {
        const QString key = u"%1/File%2"_s.arg(RecentGroup).arg(number);
        if (!ini.contains(key))
            return paths;
        paths << ini.value(key).toString();
    }
}

bool Settings::setRecentFiles(const QStringList &paths)
{
    return SettingsCopy(mPath).change([&paths](QSettings &ini) {
        ini.remove(RecentGroup);
        ini.beginGroup(RecentGroup);
        for (qsizetype i = 0; i < paths.size(); ++i)
            ini.setValue(u"File%1"_s.arg(i + 1), paths.at(i));
        ini.endGroup();
    });
}

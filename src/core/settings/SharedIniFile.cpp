#include "core/settings/SharedIniFile.h"

#include "core/files/PrivateFiles.h"
#include "core/files/SafeFileWriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>

using namespace Qt::Literals::StringLiterals;

namespace {
// Long enough for a slow disk's write, short enough that a hung instance
// does not stop another for long.
constexpr int LockWaitMs = 5000;

// The lock tells no reason of its own: the system's, by the same attempt.
QString lockFileReason(const QString &lockPath)
{
    QFile probe(lockPath);
    if (!probe.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered))
        return probe.errorString();
    const bool written = probe.write("0\n") == 2;
    const QString reason = probe.errorString();
    probe.remove();
    return written ? SharedIniFile::tr("%1 cannot be made").arg(QDir::toNativeSeparators(lockPath)) : reason;
}
} // namespace

SharedIniFile::Stamp SharedIniFile::Stamp::of(const QString &path)
{
    const std::filesystem::path file(path.toStdU16String());
    std::error_code error;
    Stamp stamp;
    stamp.time = std::filesystem::last_write_time(file, error);
    stamp.exists = !error;
    stamp.size = stamp.exists ? std::filesystem::file_size(file, error) : 0;
    return stamp;
}

bool SharedIniFile::Stamp::operator==(const Stamp &other) const
{
    return exists == other.exists && (!exists || (time == other.time && size == other.size));
}

SharedIniFile::SharedIniFile(const QString &path)
    : mPath(path)
{
}

const IniFile &SharedIniFile::ini()
{
    const Stamp stamp = Stamp::of(mPath);
    if (!mRead || !(stamp == mStamp))
        read(stamp);
    return mIni;
}

bool SharedIniFile::change(const std::function<void(IniFile &)> &edit)
{
    mError.clear();
    // Nothing to write, nothing to lock.
    read(Stamp::of(mPath));
    IniFile unlocked = mIni;
    edit(unlocked);
    if (mWritable && unlocked == mIni)
        return true;
    if (!makePrivateFolder(QFileInfo(mPath).absolutePath()))
        return fail(tr("its folder cannot be made"));
    QLockFile lock(mPath + u".lock"_s);
    if (!lock.tryLock(LockWaitMs)) {
        if (lock.error() == QLockFile::LockFailedError)
            return fail(tr("another program holds %1").arg(QDir::toNativeSeparators(lock.fileName())));
        return fail(lockFileReason(lock.fileName()));
    }
    // Another instance's change of a moment ago is kept, whatever its time
    // stamp tells.
    read(Stamp::of(mPath));
    if (!mWritable)
        return fail(mUnreadable);
    IniFile changed = mIni;
    edit(changed);
    if (changed == mIni)
        return true;
    if (!write(changed.bytes()))
        return false;
    mIni = changed;
    mStamp = Stamp::of(mPath);
    return true;
}

bool SharedIniFile::fail(const QString &reason)
{
    mError = tr("%1 cannot be written: %2").arg(QDir::toNativeSeparators(mPath), reason);
    return false;
}

// The file holds the user's paths and choices: it is for the user alone. A
// replacement keeps the permissions of the file it replaces, so a new file
// is made private before it is filled.
bool SharedIniFile::write(const QByteArray &bytes)
{
    const bool created = createPrivateFile(mPath);
    if (!created)
        QFile::setPermissions(mPath, PrivateFilePermissions);
    const std::optional<FileWriteFailure> failure = writeFileSafely(mPath, bytes);
    if (!failure)
        return true;
    if (created)
        QFile::remove(mPath);
    return fail(failure->reason);
}

// A file that is empty (a write killed at its start) or cannot be opened
// reads as no file: the defaults, written anew at the next change. One that
// is not in the form of a settings file is read but kept as it is.
void SharedIniFile::read(const Stamp &stamp)
{
    mRead = true;
    mStamp = stamp;
    mIni = IniFile();
    mWritable = true;
    mUnreadable.clear();
    if (!stamp.exists)
        return;
    QFile file(mPath);
    if (!file.open(QIODevice::ReadOnly))
        return;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        mWritable = false;
        mUnreadable = file.errorString();
        return;
    }
    mIni = IniFile(bytes);
    if (!mIni.isWellFormed()) {
        mWritable = false;
        mUnreadable = tr("it holds lines that are no settings, which a rewrite would drop");
    }
}

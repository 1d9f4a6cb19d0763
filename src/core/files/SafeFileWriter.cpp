#include "core/files/SafeFileWriter.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>
#endif

namespace {
// Unbuffered devices report a short write at once, where a buffered one
// would only fail later inside its flush.
bool writeAll(QFileDevice &file, QByteArrayView bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const qint64 written = file.write(bytes.data() + done, bytes.size() - done);
        if (written <= 0)
            return false;
        done += qsizetype(written);
    }
    return file.flush();
}

FileWriteFailure failure(FileWriteFailure::Stage stage, const QString &reason)
{
    return {stage, reason};
}

#ifdef Q_OS_UNIX
// Reserves the room of the new contents, so that a full disk stops the save
// before a byte of the old file is overwritten.
std::optional<QString> reserveRoom(QFile &file, qint64 size)
{
    if (size <= file.size())
        return std::nullopt;
    const int error = posix_fallocate(file.handle(), 0, off_t(size));
    if (error == 0)
        return std::nullopt;
    return QString::fromLocal8Bit(std::strerror(error));
}

bool syncToDisk(QFile &file)
{
    return ::fsync(file.handle()) == 0 || errno == EINVAL; // devices and pipes need no sync
}
#else
std::optional<QString> reserveRoom(QFile &, qint64)
{
    return std::nullopt;
}

bool syncToDisk(QFile &)
{
    return true;
}
#endif

std::optional<FileWriteFailure> writeInPlace(const QString &path, QByteArrayView bytes, bool regularFile)
{
    QFile file(path);
    // Read-write keeps the old contents until they are overwritten.
    const QIODevice::OpenMode mode = regularFile ? QIODevice::ReadWrite : QIODevice::WriteOnly;
    if (!file.open(mode | QIODevice::Unbuffered))
        return failure(FileWriteFailure::Create, file.errorString());
    if (regularFile) {
        if (const auto reason = reserveRoom(file, bytes.size()))
            return failure(FileWriteFailure::Write, *reason);
    }
    if (!writeAll(file, bytes) || (regularFile && !file.resize(bytes.size())) || !syncToDisk(file))
        return failure(FileWriteFailure::Write, file.errorString());
    file.close();
    if (file.error() != QFileDevice::NoError)
        return failure(FileWriteFailure::Write, file.errorString());
    return std::nullopt;
}
} // namespace

std::optional<FileWriteFailure> writeFileSafely(const QString &path, QByteArrayView bytes)
{
    const QFileInfo target(path);
    if (target.exists() && !target.isFile() && !target.isDir())
        return writeInPlace(path, bytes, false);

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        if (target.isFile() && target.isWritable())
            return writeInPlace(path, bytes, true);
        return failure(FileWriteFailure::Create, file.errorString());
    }
    if (!writeAll(file, bytes)) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return failure(FileWriteFailure::Write, reason);
    }
    if (!file.commit())
        return failure(FileWriteFailure::Write, file.errorString());
    return std::nullopt;
}

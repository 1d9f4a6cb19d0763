#include "core/files/SafeFileWriter.h"

#include "core/files/FileKind.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

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

FileWriteFailure failure(FileWriteFailure::Stage stage, const QString &reason, const QString &folder = QString())
{
    return {stage, reason, folder};
}

std::optional<FileWriteFailure> writeToDevice(const QString &path, QByteArrayView bytes)
{
    QFile device(path);
    if (!device.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return failure(FileWriteFailure::Create, device.errorString());
    if (!writeAll(device, bytes))
        return failure(FileWriteFailure::Write, device.errorString());
    return std::nullopt;
}
// A save killed before its rename leaves its temporary file, the target's
// name and six letters or digits, beside the target: the next save of the
// file clears what is the user's own.
void removeLeftoversOf(const QString &path)
{
    const QFileInfo target(QFileInfo(path).canonicalFilePath().isEmpty() ? path : QFileInfo(path).canonicalFilePath());
    const QRegularExpression temporary(
        u"^"_s + QRegularExpression::escape(target.fileName()) + u"\\.[A-Za-z0-9]{6}$"_s);
    const QDir folder = target.absoluteDir();
    for (const QFileInfo &leftover : folder.entryInfoList({target.fileName() + u".??????"_s},
                                                          QDir::Files | QDir::Hidden | QDir::System)) {
        if (!leftover.isSymLink() && leftover.isFile() && leftover.ownerId() == ::getuid()
            && temporary.match(leftover.fileName()).hasMatch())
            QFile::remove(leftover.absoluteFilePath());
    }
}
} // namespace

std::optional<FileWriteFailure> writeFileSafely(const QString &path, QByteArrayView bytes)
{
    switch (fileKindOf(path)) {
    case FileKind::Other:
        return failure(FileWriteFailure::Create, unusableFileKindReason());
    case FileKind::CharacterDevice:
        return writeToDevice(path, bytes);
    case FileKind::Missing:
    case FileKind::Regular:
        break;
    }
    removeLeftoversOf(path);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        // A file the user may write in a folder that takes no new file: the
        // only way left would be in place, which a crash can tear.
        const QFileInfo target(QFileInfo(path).canonicalFilePath());
        if (target.isFile() && target.isWritable())
            return failure(FileWriteFailure::NoTemporaryFile, file.errorString(), target.absolutePath());
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

#include "core/files/FileFingerprint.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>

FileFingerprint FileFingerprint::of(const QString &path)
{
    // A device or a pipe would be read for ever or lose what it gives.
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return {};
    QFile file(path);
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (!file.open(QIODevice::ReadOnly) || !hash.addData(&file))
        return {};
    return {true, file.size(), file.fileTime(QFileDevice::FileModificationTime).toMSecsSinceEpoch(), hash.result()};
}

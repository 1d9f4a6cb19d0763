#include "core/files/RecoveryCopy.h"

#include "core/files/SafeFileWriter.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QStandardPaths>

using namespace Qt::Literals::StringLiterals;

namespace {
// First line of a copy; the second is the session's path in UTF-8, then the
// session file's bytes.
constexpr QByteArrayView Signature = "Mirandel recovery copy 1\n";
} // namespace

RecoveryCopy::RecoveryCopy(const QString &folder)
{
    const QString where = folder.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) : folder;
    mFilePath = QDir(where).filePath(u"recovery.mirandel"_s);
}

bool RecoveryCopy::exists() const
{
    return QFile::exists(mFilePath);
}

bool RecoveryCopy::write(const QString &sessionPath, const QByteArray &sessionBytes) const
{
    if (!QDir().mkpath(QFileInfo(mFilePath).path()))
        return false;
    QByteArray copy = Signature.toByteArray();
    copy += sessionPath.toUtf8();
    copy += '\n';
    copy += sessionBytes;
    return !writeFileSafely(mFilePath, copy);
}

void RecoveryCopy::remove() const
{
    QFile::remove(mFilePath);
}

std::optional<RecoveredSession> RecoveryCopy::read(QString *asideName) const
{
    QFile file(mFilePath);
    if (!file.exists())
        return std::nullopt;
    if (file.open(QIODevice::ReadOnly)) {
        const QByteArray copy = file.readAll();
        const qsizetype pathEnd = copy.indexOf('\n', Signature.size());
        if (file.error() == QFileDevice::NoError && copy.startsWith(Signature) && pathEnd >= 0) {
            const QByteArrayView path = QByteArrayView(copy).sliced(Signature.size(), pathEnd - Signature.size());
            return RecoveredSession{QString::fromUtf8(path), copy.sliced(pathEnd + 1)};
        }
        file.close();
    }
    const QString aside =
        mFilePath + u".unreadable-"_s + QDateTime::currentDateTime().toString(u"yyyyMMdd-hhmmss"_s);
    QFile::rename(mFilePath, aside);
    if (asideName)
        *asideName = aside;
    return std::nullopt;
}

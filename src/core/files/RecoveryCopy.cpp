#include "core/files/RecoveryCopy.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QRandomGenerator>
#include <QSaveFile>
#include <QStandardPaths>

using namespace Qt::Literals::StringLiterals;

namespace {
struct RecoveryCopyTexts
{
    Q_DECLARE_TR_FUNCTIONS(RecoveryCopy)
};

constexpr QFileDevice::Permissions OwnerOnlyFile = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
constexpr QFileDevice::Permissions OwnerOnlyFolder = OwnerOnlyFile | QFileDevice::ExeOwner;
const QString CopySuffix = u".mirandel"_s;

QString lockPathOf(const QString &copyPath)
{
    return copyPath.chopped(CopySuffix.size()) + u".lock"_s;
}

QString folderOrDataFolder(const QString &folder)
{
    return folder.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) : folder;
}

std::unique_ptr<QLockFile> newLock(const QString &copyPath)
{
    auto lock = std::make_unique<QLockFile>(lockPathOf(copyPath));
    // Only an owner that has ended leaves a stale lock, however old it is.
    lock->setStaleLockTime(0);
    return lock;
}
} // namespace

RecoveryCopy::RecoveryCopy(const QString &folder)
    : mFolder(folderOrDataFolder(folder))
    , mDataFolder(folder.isEmpty())
    , mFilePath(QDir(mFolder).filePath(
          u"recovery-%1"_s.arg(QRandomGenerator::system()->generate64(), 16, 16, QLatin1Char('0')) + CopySuffix))
{
}

RecoveryCopy::RecoveryCopy(const QString &folder, const QString &filePath, std::unique_ptr<QLockFile> lock)
    : mFolder(folder)
    , mFilePath(filePath)
    , mLock(std::move(lock))
{
}

RecoveryCopy::RecoveryCopy(RecoveryCopy &&other) noexcept = default;
RecoveryCopy &RecoveryCopy::operator=(RecoveryCopy &&other) noexcept = default;
RecoveryCopy::~RecoveryCopy() = default;

std::optional<RecoveryCopy> RecoveryCopy::takeOverLeftBehind(const QString &folder)
{
    const QString where = folderOrDataFolder(folder);
    const QFileInfoList copies =
        QDir(where).entryInfoList({u"recovery-*"_s + CopySuffix}, QDir::Files | QDir::Hidden, QDir::Time);
    for (const QFileInfo &copy : copies) {
        std::unique_ptr<QLockFile> lock = newLock(copy.filePath());
        // A copy removed meanwhile by its owner is gone for good.
        if (lock->tryLock(0) && QFile::exists(copy.filePath()))
            return RecoveryCopy(where, copy.filePath(), std::move(lock));
    }
    return std::nullopt;
}

bool RecoveryCopy::exists() const
{
    return QFile::exists(mFilePath);
}

std::optional<QString> RecoveryCopy::makeFolder() const
{
    if (QFileInfo(mFolder).isDir()) {
        // Older versions made the data folder readable by everyone.
        if (mDataFolder)
            QFile::setPermissions(mFolder, OwnerOnlyFolder);
        return std::nullopt;
    }
    const QString parent = QFileInfo(mFolder).path();
    if ((QDir().mkpath(parent) && QDir().mkdir(mFolder, OwnerOnlyFolder)) || QFileInfo(mFolder).isDir())
        return std::nullopt;
    return RecoveryCopyTexts::tr("the folder %1 cannot be made").arg(QDir::toNativeSeparators(mFolder));
}

std::optional<QString> RecoveryCopy::lock()
{
    if (mLock)
        return std::nullopt;
    std::unique_ptr<QLockFile> lock = newLock(mFilePath);
    if (!lock->tryLock(0))
        return RecoveryCopyTexts::tr("%1 cannot be made").arg(QDir::toNativeSeparators(lock->fileName()));
    mLock = std::move(lock);
    return std::nullopt;
}

std::optional<QString> RecoveryCopy::write(const RecoveredSession &session)
{
    if (const auto reason = makeFolder())
        return reason;
    // The lock comes first: a copy without one would be taken for a
    // copy left behind.
    if (const auto reason = lock())
        return reason;
    QSaveFile file(mFilePath);
    const QByteArray copy = recoveryCopyBytes(session);
    if (!file.open(QIODevice::WriteOnly) || !file.setPermissions(OwnerOnlyFile) || file.write(copy) != copy.size()
        || !file.commit())
        return file.errorString();
    return std::nullopt;
}

void RecoveryCopy::remove()
{
    // The copy goes before its lock, so that it is never found unlocked.
    QFile::remove(mFilePath);
    mLock.reset();
}

std::optional<RecoveredSession> RecoveryCopy::read(QString *asideName) const
{
    QFile file(mFilePath);
    if (!file.exists())
        return std::nullopt;
    if (file.open(QIODevice::ReadOnly)) {
        const QByteArray copy = file.readAll();
        if (file.error() == QFileDevice::NoError) {
            if (std::optional<RecoveredSession> session = parseRecoveryCopy(copy))
                return session;
        }
        file.close();
    }
    const QString aside =
        mFilePath + u".unreadable-"_s + QDateTime::currentDateTime().toString(u"yyyyMMdd-hhmmss"_s);
    const bool setAside = QFile::rename(mFilePath, aside);
    if (asideName)
        *asideName = setAside ? aside : mFilePath;
    return std::nullopt;
}

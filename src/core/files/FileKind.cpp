#include "core/files/FileKind.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

using namespace Qt::Literals::StringLiterals;

namespace {
struct FileKindTexts
{
    Q_DECLARE_TR_FUNCTIONS(FileKind)
};
} // namespace

FileKind fileKindOf(const QString &path)
{
#ifdef Q_OS_UNIX
    struct stat status;
    if (::stat(QFile::encodeName(path).constData(), &status) != 0)
        return FileKind::Missing;
    if (S_ISREG(status.st_mode))
        return FileKind::Regular;
    return S_ISCHR(status.st_mode) ? FileKind::CharacterDevice : FileKind::Other;
#else
    const QFileInfo info(path);
    if (!info.exists())
        return FileKind::Missing;
    if (info.isFile())
        return FileKind::Regular;
    return info.isDir() ? FileKind::Other : FileKind::CharacterDevice;
#endif
}

QString unusableFileKindReason()
{
    return FileKindTexts::tr("It is neither a regular file nor a character device.");
}

#include "core/files/PrivateFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

bool makePrivateFolder(const QString &folder)
{
    const QFileInfo info(folder);
    if (info.isDir())
        return true;
    if (info.absolutePath() == info.absoluteFilePath() || !makePrivateFolder(info.absolutePath()))
        return false;
    return QDir().mkdir(folder, PrivateFolderPermissions) || QFileInfo(folder).isDir();
}

bool createPrivateFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::NewOnly, PrivateFilePermissions);
}

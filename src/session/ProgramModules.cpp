#include "session/ProgramModules.h"

#include "session/ProgramFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QPluginLoader>

using namespace Qt::Literals::StringLiterals;

QString installedModuleFolder(const QString &programFolder)
{
    const QString folder = QDir::cleanPath(programFolder + u'/' + QStringLiteral(MIRANDEL_MODULES_FROM_BIN));
    return QFileInfo(folder).isDir() ? folder : QString();
}

QObject *loadProgramModule(const QString &name, QString *error)
{
    const QString fileName = u"libmirandel_"_s + name + u".so"_s;
    QString path = QDir(exeDirectory()).filePath(fileName);
    const QString installed = installedModuleFolder(exeDirectory());
    if (!QFileInfo::exists(path) && !installed.isEmpty())
        path = QDir(installed).filePath(fileName);
    // Loaders of one file share the library, which stays loaded.
    QPluginLoader loader(path);
    QObject *module = loader.instance();
    if (!module && error)
        *error = loader.errorString();
    return module;
}

#include "session/ProgramModules.h"

#include "session/ProgramFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QPluginLoader>

using namespace Qt::Literals::StringLiterals;

QString programModulePath(const QString &name, const QString &programFolder)
{
    const QString fileName = u"libmirandel_"_s + name + u".so"_s;
    const QString beside = QDir(programFolder).filePath(fileName);
    const QString installed =
        QDir::cleanPath(programFolder + u'/' + QStringLiteral(MIRANDEL_MODULES_FROM_BIN) + u'/' + fileName);
    return !QFileInfo::exists(beside) && QFileInfo::exists(installed) ? installed : beside;
}

QObject *loadProgramModule(const QString &name, QString *error)
{
    const QString path = programModulePath(name, exeDirectory());
    // Loaders of one file share the library, which stays loaded.
    QPluginLoader loader(path);
    QObject *module = loader.instance();
    if (!module && error)
        *error = QFileInfo::exists(path) ? loader.errorString() : u"%1 is missing"_s.arg(path);
    return module;
}

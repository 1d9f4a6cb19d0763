#include "session/ProgramModules.h"

#include "session/ProgramFiles.h"

#include <QFileInfo>
#include <QPluginLoader>

using namespace Qt::Literals::StringLiterals;

QString programModulePath(const QString &name, const QString &programFolder)
{
    return programPartPath(u"libmirandel_"_s + name + u".so"_s, programFolder, {QStringLiteral(MIRANDEL_MODULES_FROM_BIN)});
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

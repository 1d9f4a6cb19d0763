#include "SbagenxPeer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

using namespace Qt::Literals::StringLiterals;

namespace {
const QString Program = u"shared/peers/sbagenx/bin/sbagenx"_s;

QStringList searchedPaths()
{
    QStringList paths;
    QDir dir(QDir::cleanPath(QStringLiteral(MIRANDEL_TEST_DATA "/../..")));
    while (dir.cdUp())
        paths.append(QDir::cleanPath(dir.filePath(Program)));
    return paths;
}
} // namespace

QString sbagenxPath()
{
    for (const QString &path : searchedPaths()) {
        if (QFileInfo(path).isExecutable())
            return path;
    }
    return {};
}

QString sbagenxMissingReason()
{
    return u"the peer program is not here (searched %1)"_s.arg(searchedPaths().join(u", "_s));
}

PeerRun runSbagenx(const QStringList &arguments, const QStringList &environment)
{
    // The program links its library by the unversioned name, and a copied
    // folder may hold that link as a plain file: a link of our own, first
    // on the search path, finds the library either way.
    const QString bin = QFileInfo(sbagenxPath()).absolutePath();
    QTemporaryDir libraries;
    QFile::link(bin + u"/libsbagenx.so.3"_s, libraries.filePath(u"libsbagenx.so"_s));
    QProcessEnvironment processEnvironment = QProcessEnvironment::systemEnvironment();
    processEnvironment.insert(u"LD_LIBRARY_PATH"_s, libraries.path());
    for (const QString &entry : environment)
        processEnvironment.insert(entry.section(u'=', 0, 0), entry.section(u'=', 1));
    QProcess process;
    process.setProcessEnvironment(processEnvironment);
    process.start(sbagenxPath(), arguments);
    const bool finished = process.waitForFinished(120000);
    return {finished && process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardOutput(), process.readAllStandardError()};
}

#include "SbagenxPeer.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

using namespace Qt::Literals::StringLiterals;

QString sbagenxFolder()
{
    return QStringLiteral(MIRANDEL_PEERS_DIR "/sbagenx");
}

QString sbagenxPath()
{
    const QString path = sbagenxFolder() + u"/bin/sbagenx"_s;
    return QFileInfo(path).isExecutable() ? path : QString();
}

QString sbagenxMissingReason()
{
    return u"the peer program is not in %1 (CI has ../shared; set MIRANDEL_PEERS_DIR when configuring)"_s.arg(
        sbagenxFolder());
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

#include "CliProgram.h"

#include "TestSupport.h"
#include "files/SessionFileWriter.h"

#include <QFile>
#include <QProcess>
#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

CliRun runMirandelCli(const QStringList &arguments)
{
    // Keeps the program's platform plugin quiet about a missing runtime folder.
    static const QTemporaryDir runtimeDir;
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"XDG_RUNTIME_DIR"_s, runtimeDir.path());
    process.setProcessEnvironment(environment);
    process.start(builtProgramPath(u"mirandel-cli"_s), arguments);
    EXPECT_TRUE(process.waitForFinished(30000)) << arguments.join(u' ').toStdString();
    return {process.exitCode(), process.readAllStandardOutput().toStdString(),
            process.readAllStandardError().toStdString()};
}

QString SessionFileFolder::write(const Session &session)
{
    const QString path = mDir.filePath(u"session%1.LSS"_s.arg(++mFiles));
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(SessionFileBytes(session)) >= 0) << path.toStdString();
    return path;
}

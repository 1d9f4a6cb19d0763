#include "CliRunner.h"

#include "TestSupport.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {
QStringList outputLines(const QByteArray &bytes)
{
    QString text = QString::fromUtf8(bytes);
    if (text.endsWith(u'\n'))
        text.chop(1);
    return text.isEmpty() ? QStringList() : text.split(u'\n');
}
} // namespace

CliRun runCli(const QStringList &arguments)
{
    static QTemporaryDir runtimeDir;
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"XDG_RUNTIME_DIR"_s, runtimeDir.path());
    process.setProcessEnvironment(environment);
    process.start(builtProgramPath(u"mirandel-cli"_s), arguments);
    EXPECT_TRUE(process.waitForFinished(30000)) << arguments.join(u' ').toStdString();
    return {process.exitCode(), outputLines(process.readAllStandardOutput()),
            outputLines(process.readAllStandardError())};
}

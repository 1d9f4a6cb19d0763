// mirandel-cli: the commands that read, check and write sessions run here on
// Qt Core alone, so that a call starts as fast as a bare core application.
// Drawing, sound and devices need far more libraries, whose loading would
// dominate every call: those commands (and the overview, which names them)
// run in mirandel-cli-full, which takes over this process.
#include "CliCommand.h"
#include "CliMain.h"
#include "session/ProgramFiles.h"

#include <QFileInfo>
#include <cerrno>
#include <cstring>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

namespace {
std::unique_ptr<QCoreApplication> makeCoreApplication(int &argc, char **argv, const CliCommand *)
{
    return std::make_unique<QCoreApplication>(argc, argv);
}

// The full program gets this program's path as its name, so that it reads
// the settings beside this program.
int runFullProgram(char **argv)
{
    const QString self = QFileInfo(u"/proc/self/exe"_s).canonicalFilePath();
    // Beside this program in the build folder; in the library folder when
    // installed, also for a copy of this program elsewhere.
    const QString path = programPartPath(u"mirandel-cli-full"_s, QFileInfo(self).path(),
                                         {QStringLiteral(MIRANDEL_CLI_FULL_FOLDER), QStringLiteral(MIRANDEL_CLI_FULL_INSTALLED_FOLDER)});
    const QByteArray name = QFile::encodeName(self);
    argv[0] = const_cast<char *>(name.constData());
    execv(QFile::encodeName(path).constData(), argv);
    printError(u"mirandel-cli: cannot start %1: %2"_s.arg(path, QString::fromLocal8Bit(std::strerror(errno))));
    return 1;
}
} // namespace

int main(int argc, char *argv[])
{
    const bool runsHere = argc > 1 && (std::strcmp(argv[1], "--version") == 0 || cliCommandNamed(argv[1]));
    return runsHere ? runCli(argc, argv, makeCoreApplication) : runFullProgram(argv);
}

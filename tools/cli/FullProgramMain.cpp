// mirandel-cli-full: every command, with the libraries that drawing, sound and
// serial ports need. mirandel-cli hands it what it does not run itself.
#include "CliCommand.h"
#include "CliMain.h"
#include "session/ProgramFiles.h"

#include <QDir>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <optional>

using namespace Qt::Literals::StringLiterals;

namespace {
// Outlives the application: removed after main returns.
std::optional<QTemporaryDir> runtimeDir;

// Drawing needs a GUI application, offscreen unless told otherwise; every
// other command does with the lighter core application. The GUI's start-up
// wants a private runtime folder and says so on stderr when there is none:
// one made for this run keeps stderr to the program's own messages.
std::unique_ptr<QCoreApplication> makeApplication(int &argc, char **argv, const CliCommand *command)
{
    if (!command || !command->drawsPictures)
        return std::make_unique<QCoreApplication>(argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        runtimeDir.emplace(QDir::tempPath() + u"/mirandel-cli-XXXXXX"_s);
        if (runtimeDir->isValid())
            qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtimeDir->path()));
    }
    return std::make_unique<QGuiApplication>(argc, argv);
}
} // namespace

int main(int argc, char *argv[])
{
    // mirandel-cli names itself here: its settings are the ones beside it.
    const QString started = QFile::decodeName(argv[0]);
    if (QDir::isAbsolutePath(started))
        setStartedProgram(started);
    return runCli(argc, argv, makeApplication);
}

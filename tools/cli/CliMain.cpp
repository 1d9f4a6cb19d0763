#include "CliMain.h"

#include "CliBatch.h"
#include "CliCommand.h"
#include "core/settings/ProgramName.h"

#include <QDir>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <cstring>
#include <optional>

using namespace Qt::Literals::StringLiterals;

namespace {
void printOverview()
{
    printLine(u"usage: mirandel-cli COMMAND [ARGUMENTS]"_s);
    printLine(QString());
    printLine(u"Mirandel's sessions on the command line. Commands:"_s);
    for (const CliCommand &command : cliCommands())
        printLine(u"  %1\n      %2"_s.arg(command.usage, command.summary));
    printLine(QString());
    printLine(u"mirandel-cli COMMAND --help tells more about a command; mirandel-cli --version names the version."_s);
}

bool wantsHelp(const QStringList &arguments)
{
    return arguments.contains(u"--help"_s) || arguments.contains(u"-h"_s);
}

const CliCommand *cliCommandNamed(const char *name)
{
    for (const CliCommand &command : cliCommands()) {
        if (command.name == QLatin1String(name))
            return &command;
    }
    return nullptr;
}

// Qt's own notes (a file name left empty, a font it misses) are none of the
// program's messages; only a fatal one, which ends the run, is kept.
void keepQtMessagesOffStderr(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtFatalMsg)
        printError(message);
}

// Qt decodes a name that is not UTF-8 with replacement characters, which
// would read or write a file of another name: such an argument, or nothing.
std::optional<QString> undecodableArgument(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i) {
        const QByteArray raw(argv[i]);
        const QString decoded = QFile::decodeName(raw);
        if (QFile::encodeName(decoded) != raw)
            return decoded;
    }
    return std::nullopt;
}

// Outlives the application: removed after main returns.
std::optional<QTemporaryDir> runtimeDir;

// Drawing needs a GUI application, offscreen unless told otherwise; every
// other command (and the overview, with no command) does with the lighter
// core application. The GUI's start-up wants a private runtime folder and
// says so on stderr when there is none: one made for this run keeps stderr
// to the program's own messages.
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

int runArguments(int argc, char **argv)
{
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        printLine(ProgramName);
        return 0;
    }
    if (const std::optional<QString> argument = undecodableArgument(argc, argv)) {
        printError(u"mirandel-cli: \"%1\" is not valid UTF-8: no file of that name can be read or written"_s.arg(
            *argument));
        return 1;
    }
    qInstallMessageHandler(keepQtMessagesOffStderr);
    const CliCommand *command = argc > 1 ? cliCommandNamed(argv[1]) : nullptr;
    const auto app = makeApplication(argc, argv, command);
    const QStringList arguments = QCoreApplication::arguments().mid(1);
    if (arguments.isEmpty() || arguments.first() == u"--help"_s || arguments.first() == u"-h"_s) {
        printOverview();
        return arguments.isEmpty() ? 2 : 0;
    }
    if (!command) {
        printError(u"mirandel-cli: unknown command \"%1\" (try --help)"_s.arg(arguments.first()));
        return 2;
    }
    const QStringList rest = arguments.mid(1);
    if (wantsHelp(rest)) {
        printLine(u"usage: mirandel-cli "_s + command->usage);
        printLine(QString());
        printLine(command->summary);
        if (!command->help.isEmpty())
            printLine(command->help);
        if (command->batch)
            printLine(batchHelp(*command->batch));
        return 0;
    }
    return runCommandOnFiles(*command, rest);
}
} // namespace

// Buffered output fails only at its flush: a run whose output was lost is a
// failure, whatever the command itself returned.
int runCli(int argc, char **argv)
{
    const int status = runArguments(argc, argv);
    if (const std::optional<QString> reason = outputFailure()) {
        printError(u"mirandel-cli: the output could not be written: %1"_s.arg(*reason));
        return 1;
    }
    return status;
}

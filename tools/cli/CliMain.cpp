#include "CliMain.h"

#include "CliCommand.h"
#include "StderrPrompter.h"
#include "session/CommandError.h"
#include "session/ProgramName.h"

#include <cstring>

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
} // namespace

const CliCommand *cliCommandNamed(const char *name)
{
    for (const CliCommand &command : cliCommands()) {
        if (command.name == QLatin1String(name))
            return &command;
    }
    return nullptr;
}

int runCli(int argc, char **argv, CliApplicationFactory makeApplication)
{
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        printLine(ProgramName);
        return 0;
    }
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
        return 0;
    }
    StderrPrompter prompter;
    int status = 0;
    if (!runCommand(prompter, [&] { status = command->run(rest); }))
        return 1;
    return status;
}

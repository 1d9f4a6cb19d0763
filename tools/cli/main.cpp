#include "CliCommand.h"
#include "StderrPrompter.h"
#include "session/CommandError.h"
#include "session/ProgramFiles.h"

#include <QGuiApplication>
#include <cstdio>

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
    printLine(u"mirandel-cli COMMAND --help tells more about a command; mirandel-cli --version prints the version."_s);
}

bool wantsHelp(const QStringList &arguments)
{
    return arguments.contains(u"--help"_s) || arguments.contains(u"-h"_s);
}
} // namespace

int main(int argc, char *argv[])
{
    if (argc == 2 && qstrcmp(argv[1], "--version") == 0) {
        std::puts(qPrintable(programVersion()));
        return 0;
    }
    // Drawing needs a GUI application; without a display it draws offscreen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments().mid(1);
    if (arguments.isEmpty() || arguments.first() == u"--help"_s || arguments.first() == u"-h"_s) {
        printOverview();
        return arguments.isEmpty() ? 2 : 0;
    }
    for (const CliCommand &command : cliCommands()) {
        if (command.name != arguments.first())
            continue;
        const QStringList rest = arguments.mid(1);
        if (wantsHelp(rest)) {
            printLine(u"usage: mirandel-cli "_s + command.usage);
            printLine(QString());
            printLine(command.summary);
            if (!command.help.isEmpty())
                printLine(command.help);
            return 0;
        }
        StderrPrompter prompter;
        int status = 0;
        if (!runCommand(prompter, [&] { status = command.run(rest); }))
            return 1;
        return status;
    }
    printError(u"mirandel-cli: unknown command \"%1\" (try --help)"_s.arg(arguments.first()));
    return 2;
}

#include "CliCommand.h"

#include <algorithm>
#include <cstdio>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

namespace {
QList<CliCommand> &registry()
{
    static QList<CliCommand> commands;
    return commands;
}

thread_local CapturedOutput *capture = nullptr;

void emitLine(const QString &line, bool error)
{
    if (capture) {
        capture->lines.append({error, line});
        return;
    }
    const QByteArray bytes = line.toUtf8();
    std::FILE *stream = error ? stderr : stdout;
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
    std::fputc('\n', stream);
}
} // namespace

CapturedOutput::CapturedOutput()
    : mOuter(capture)
{
    capture = this;
}

CapturedOutput::~CapturedOutput()
{
    capture = mOuter;
}

const QList<CliCommand> &cliCommands()
{
    return registry();
}

// In name order, whichever order the program's files were linked in.
CliCommandRegistration::CliCommandRegistration(const CliCommand &command)
{
    QList<CliCommand> &commands = registry();
    const auto later = std::find_if(commands.begin(), commands.end(),
                                    [&](const CliCommand &other) { return other.name > command.name; });
    commands.insert(later, command);
}

void printLine(const QString &line)
{
    emitLine(line, false);
}

void printError(const QString &line)
{
    emitLine(line, true);
}

bool stderrIsTerminal()
{
    return ::isatty(STDERR_FILENO) == 1;
}

int usageError(const CliCommand &command)
{
    printError(u"usage: mirandel-cli "_s + command.usage);
    return 2;
}

#include "CliCommand.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

namespace {
// The first reason a write to stdout failed: later calls may change errno.
int outputErrno = 0;

QList<CliCommand> &registry()
{
    static QList<CliCommand> commands;
    return commands;
}
} // namespace

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
    const QByteArray bytes = line.toUtf8();
    errno = 0;
    if ((std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout) != size_t(bytes.size())
         || std::fputc('\n', stdout) == EOF)
        && outputErrno == 0)
        outputErrno = errno;
}

std::optional<QString> outputFailure()
{
    errno = 0;
    if (std::fflush(stdout) != 0 && outputErrno == 0)
        outputErrno = errno;
    if (!std::ferror(stdout))
        return std::nullopt;
    return QString::fromLocal8Bit(std::strerror(outputErrno != 0 ? outputErrno : EIO));
}

void printError(const QString &line)
{
    const QByteArray bytes = line.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stderr);
    std::fputc('\n', stderr);
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

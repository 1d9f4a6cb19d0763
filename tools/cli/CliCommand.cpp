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

thread_local CapturedOutput *capture = nullptr;

void emitLine(const QString &line, bool error)
{
    if (capture) {
        capture->lines.append({error, line});
        return;
    }
    const QByteArray bytes = line.toUtf8();
    std::FILE *stream = error ? stderr : stdout;
    errno = 0;
    const bool written = std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream) == size_t(bytes.size())
        && std::fputc('\n', stream) != EOF;
    if (!written && !error && outputErrno == 0)
        outputErrno = errno;
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

#include "TerminalProgress.h"

#include "CliCommand.h"

#include <cstdio>

using namespace Qt::Literals::StringLiterals;

bool TerminalProgress::isWanted()
{
    return stderrIsTerminal();
}

void TerminalProgress::sendingStarted(int)
{
    // The first progress follows at once, with the time the line needs.
}

void TerminalProgress::sendingProgressed(int bytesSent, int totalBytes, int msLeft)
{
    show(u"sending: %1 of %2 bytes, %3 s left"_s.arg(bytesSent).arg(totalBytes).arg((msLeft + 999) / 1000));
}

void TerminalProgress::sendingEnded()
{
    if (!mShown.isEmpty())
        std::fputc('\n', stderr);
    mShown.clear();
}

void TerminalProgress::show(const QString &line)
{
    if (line == mShown)
        return;
    // Padded so that a shorter line covers a longer one.
    const QByteArray bytes = line.leftJustified(int(mShown.size())).toUtf8();
    std::fprintf(stderr, "\r%s", bytes.constData());
    std::fflush(stderr);
    mShown = line;
}

#include "TerminalProgress.h"

#include "CliCommand.h"

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
    mLine.show(u"sending: %1 of %2 bytes, %3 s left"_s.arg(bytesSent).arg(totalBytes).arg((msLeft + 999) / 1000));
}

void TerminalProgress::sendingEnded()
{
    mLine.finish();
}

#include "TerminalLine.h"

#include <cstdio>

void TerminalLine::show(const QString &line)
{
    if (line == mShown)
        return;
    // Padded so that a shorter line covers a longer one.
    const QByteArray bytes = line.leftJustified(int(mShown.size())).toUtf8();
    std::fprintf(stderr, "\r%s", bytes.constData());
    std::fflush(stderr);
    mShown = line;
}

void TerminalLine::clear()
{
    if (mShown.isEmpty())
        return;
    std::fprintf(stderr, "\r%s\r", QString(mShown.size(), u' ').toUtf8().constData());
    std::fflush(stderr);
    mShown.clear();
}

void TerminalLine::finish()
{
    if (!mShown.isEmpty())
        std::fputc('\n', stderr);
    mShown.clear();
}

#include "StderrPrompter.h"

#include "CliCommand.h"

void StderrPrompter::error(const QString &text)
{
    ++errorCount;
    printError(text);
}

void StderrPrompter::errorWithDetails(const QString &text, const QString &details)
{
    error(text);
    if (showsDetails && !details.isEmpty())
        printError(details);
}

void StderrPrompter::information(const QString &text)
{
    printError(text);
}

bool StderrPrompter::confirmYesNo(const QString &text)
{
    printError(text);
    return false;
}

bool StderrPrompter::confirmOkCancel(const QString &text)
{
    printError(text);
    return false;
}

QString StderrPrompter::inputBox(const QString &, const QString &, const QString &initial)
{
    return initial;
}

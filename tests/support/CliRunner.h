#pragma once

#include <QStringList>

// One run of the built mirandel-cli: exit status and output lines.
struct CliRun
{
    int exitCode = -1;
    QStringList out;
    QStringList err;
};

CliRun runCli(const QStringList &arguments);

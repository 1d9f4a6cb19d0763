#pragma once

#include "TestSupport.h"

#include <QStringList>

// A finished run of a built command-line program.
struct CliRun
{
    int exitCode = -1; // -1 when the program crashed or did not finish
    QString out;
    QString err;

    // The output split into lines, the final line break starting none.
    QStringList outLines() const;
    QStringList errLines() const;
};

// Runs the program (mirandel-cli unless named) with the arguments and waits
// up to 30 s. The toolkit's start-up notes are kept off stderr.
CliRun runCli(const QStringList &arguments, const QString &program = builtProgramPath(QStringLiteral("mirandel-cli")));

#pragma once

#include <QStringList>

struct CliCommand;

// How a command takes several files and folders in one call.
struct CliBatch
{
    QStringList inputSuffixes; // what a folder gives, in lower case: {u"lss"_s}
    QString outputSuffix;      // the outputs' extension unless -o names one; empty: no output
    QStringList flags;         // the command's options that take no value
};

// Runs the command as it always ran when the arguments name one file and
// neither -d nor -j. Otherwise on every file named and on what each folder
// named holds, -j N (the number of cores when not given) at a time, each
// output named after its input, in the folder of -d or beside the input.
// Each file's lines follow its name when there are several; the exit status
// is the worst of theirs.
int runCommandOnFiles(const CliCommand &command, const QStringList &arguments);

// What --help adds about several files for a command that takes them.
QString batchHelp(const CliBatch &batch);

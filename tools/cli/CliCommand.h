#pragma once

#include <QStringList>
#include <optional>

// One mirandel-cli command. Each command lives in its own file and registers
// itself with a static CliCommandRegistration.
struct CliCommand
{
    QString name;
    QString usage;   // "info FILE"
    QString summary; // one line for the overview
    QString help;    // further lines for "mirandel-cli COMMAND --help"
    int (*run)(const QStringList &arguments); // arguments after the command name
    bool drawsPictures = false; // needs fonts and painting: a GUI application
};

const QList<CliCommand> &cliCommands();

struct CliCommandRegistration
{
    explicit CliCommandRegistration(const CliCommand &command);
};

// Output helpers: text written as UTF-8 lines.
void printLine(const QString &line);
void printError(const QString &line);
// Flushes stdout; the system's reason when some of it was not written (a
// full disk, a closed pipe), else nothing.
std::optional<QString> outputFailure();
// Notes for a person, such as progress, go to stderr only while it is a
// terminal, so that logs and pipes stay clean.
bool stderrIsTerminal();
// "usage: mirandel-cli <usage>" on stderr; returns the exit code 2.
int usageError(const CliCommand &command);

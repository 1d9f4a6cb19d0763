#pragma once

#include <QStringList>
#include <optional>

struct CliBatch;

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
    const CliBatch *batch = nullptr; // takes several files and folders in one call
};

const QList<CliCommand> &cliCommands();

struct CliCommandRegistration
{
    explicit CliCommandRegistration(const CliCommand &command);
};

// Output helpers: text written as UTF-8 lines.
void printLine(const QString &line);
void printError(const QString &line);

// A line printed while a CapturedOutput is in place on the printing thread.
struct CapturedLine
{
    bool error = false; // for stderr
    QString text;
};

// Keeps what printLine() and printError() print on this thread, in order,
// instead of writing it: a file of a batch is printed whole, under its name.
class CapturedOutput
{
public:
    CapturedOutput();
    ~CapturedOutput();
    CapturedOutput(const CapturedOutput &) = delete;
    CapturedOutput &operator=(const CapturedOutput &) = delete;

    QList<CapturedLine> lines;

private:
    CapturedOutput *mOuter;
};

// Flushes stdout; the system's reason when some of it was not written (a
// full disk, a closed pipe), else nothing.
std::optional<QString> outputFailure();
// Notes for a person, such as progress, go to stderr only while it is a
// terminal, so that logs and pipes stay clean.
bool stderrIsTerminal();
// "usage: mirandel-cli <usage>" on stderr; returns the exit code 2.
int usageError(const CliCommand &command);

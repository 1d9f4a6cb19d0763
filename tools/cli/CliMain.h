#pragma once

#include <QCoreApplication>
#include <memory>

struct CliCommand;

// Makes the application a command runs in; `command` is null for the
// overview and for names that are no command.
using CliApplicationFactory = std::unique_ptr<QCoreApplication> (*)(int &argc, char **argv,
                                                                     const CliCommand *command);

const CliCommand *cliCommandNamed(const char *name);

// Everything mirandel-cli does with its arguments: the overview, --version,
// a command's --help, or the command itself. Returns the exit status.
int runCli(int argc, char **argv, CliApplicationFactory makeApplication);

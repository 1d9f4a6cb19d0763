#pragma once

#include <QStringList>
#include <functional>

class Prompter;
struct CliCommand;
struct Session;

// Reads FILE into the session as File > Open does (timing summary for
// segment 1 included). False when the file cannot be opened; its message has
// gone to the prompter.
bool loadSessionFile(const QString &path, Session &session, Prompter &prompter);

// The run of a command of the form "NAME FILE": checks for the one argument,
// reads FILE (messages to stderr) and hands the session to print. Exit status
// 0 when read (format errors included), 1 when FILE cannot be opened, 2 on
// wrong usage.
int runOnSessionFile(const CliCommand &command, const QStringList &arguments,
                     const std::function<void(const Session &)> &print);

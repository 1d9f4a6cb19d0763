#pragma once

#include <QStringList>
#include <functional>

class Prompter;
class SessionDocument;
class TimingPanel;
struct CliCommand;
struct Session;

// Reads FILE into the document as File > Open does; timing, when given,
// follows it as the window's timing panel does. False when the file cannot
// be opened; its message has gone to the prompter.
bool loadSessionFile(const QString &path, SessionDocument &document, Prompter &prompter, TimingPanel *timing = nullptr);

// True when the file just read into document had format errors, so that
// the session lacks what could not be read.
bool readWithFormatErrors(const SessionDocument &document);

// The run of a command of the form "NAME FILE": checks for the one argument,
// reads FILE (messages to stderr) and hands the session and its timing panel
// to print. Exit status
// 0 when read (format errors included), 1 when FILE cannot be opened, 2 on
// wrong usage.
int runOnSessionFile(const CliCommand &command, const QStringList &arguments,
                     const std::function<void(const Session &, const TimingPanel &)> &print);

#pragma once

#include <QString>
#include <functional>
#include <stdexcept>

class Prompter;

// A failure that ends a command: a cell text that is not a number, a serial
// port that fails. Commands let it pass up to the one place that runs them,
// which shows it as the standard error report; the program carries on.
class CommandError : public std::runtime_error
{
public:
    explicit CommandError(const QString &message)
        : std::runtime_error(message.toStdString()), mMessage(message)
    {
    }
    const QString &message() const { return mMessage; }

private:
    QString mMessage;
};

// Runs the command. A CommandError that ends it is reported through the
// prompter with the normal cursor; false then. The window and the command-line
// tool run every command through here.
bool runCommand(Prompter &prompter, const std::function<void()> &command);

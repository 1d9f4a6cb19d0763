#pragma once

#include <QString>
#include <stdexcept>

// A cell text that should hold a number and does not. Commands let it pass up
// to the one place where the window dispatches them, which shows it as the
// standard error report; the program carries on.
class ConversionError : public std::runtime_error
{
public:
    explicit ConversionError(const QString &message)
        : std::runtime_error(message.toStdString()), mMessage(message)
    {
    }
    const QString &message() const { return mMessage; }

private:
    QString mMessage;
};

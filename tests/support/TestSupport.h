#pragma once

#include "core/session/Session.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <initializer_list>
#include <ostream>

// Fixture files under tests/data.
QString testDataPath(const QString &name);
// Programs built beside the tests (build/bin).
QString builtProgramPath(const QString &name);

// Whole-file helpers; a failure fails the test.
void writeFileBytes(const QString &path, const QByteArray &bytes);
QByteArray readFileBytes(const QString &path);

// A session of the given kind whose columns are copies of the new-session
// column, with the times given (one segment per time).
Session sessionWithTimes(SessionKind kind, std::initializer_list<const char *> times);

// Readable QString output in assertion messages.
inline std::ostream &operator<<(std::ostream &out, const QString &text)
{
    return out << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << text;
}
inline void PrintTo(const QStringList &texts, std::ostream *out)
{
    *out << '{';
    for (qsizetype i = 0; i < texts.size(); ++i)
        *out << (i ? ", " : "") << texts.at(i);
    *out << '}';
}

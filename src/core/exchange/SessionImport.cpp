#include "core/exchange/SessionImport.h"

#include <QCoreApplication>

QString atLine(int line, const QString &text)
{
    if (line <= 0)
        return text;
    return QCoreApplication::translate("SessionImport", "line %1: %2").arg(line).arg(text);
}

QString exchangeNoteText(const ExchangeNote &note)
{
    return atLine(note.line, note.message);
}

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
    const QString text = atLine(note.line, note.message);
    if (note.lastSegment <= note.segment)
        return text;
    return QCoreApplication::translate("SessionImport", "segments %1\u2013%2: %3").arg(note.segment).arg(note.lastSegment).arg(text);
}

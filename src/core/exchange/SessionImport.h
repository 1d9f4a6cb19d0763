#pragma once

#include "core/exchange/ExchangeNote.h"
#include "core/session/Session.h"

#include <optional>

// What an import made: a whole session, or an error that names the line
// (and nothing else); with notes of what it left out.
struct SessionImport
{
    std::optional<Session> session;
    QString error;
    QList<ExchangeNote> notes;
};

// "line 12: pink noise left out"; the message alone for no line.
QString exchangeNoteText(const ExchangeNote &note);
// "line 12: " before the text, for errors that have a line.
QString atLine(int line, const QString &text);

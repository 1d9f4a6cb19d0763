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
    // A schedule that plays until stopped: the length given to it, in
    // seconds, as no length was asked for; 0 otherwise.
    double openLength = 0;
};

// "line 12: pink noise left out"; the message alone for no line; a range of
// segments before it ("segments 3–40: ").
QString exchangeNoteText(const ExchangeNote &note);
// "line 12: " before the text, for errors that have a line.
QString atLine(int line, const QString &text);

#pragma once

#include "core/exchange/ExchangeNote.h"

#include <QList>

struct Session;

// The last step of every import, so that what a save writes reads back whole:
// a name longer than a session file keeps is cut, a description line longer
// than it keeps is wrapped, description lines beyond its limit are cut,
// characters its code page lacks become "?" and line breaks or NUL
// characters spaces, each kind of change with one note. A segment time
// longer than the longest session the device holds (250 segments of the
// longest time) is noted as implausible.
void finishImport(Session &session, QList<ExchangeNote> &notes);

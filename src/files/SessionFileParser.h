#pragma once

#include "session/SessionGrid.h"

#include <QByteArrayView>
#include <QStringList>

class Prompter;

// A session file as the reader takes it, before it replaces the session.
struct SessionFileContent
{
    QString name;
    QStringList descriptionLines;
    int dualSession = 0;
    SessionGrid cells;
    bool formatErrors = false; // segment lines were faulty, or there was none
    bool cut = false;          // sound segment lines beyond the limit were left out
};

// Reads the bytes of a session file. Empty lines are passed over. A faulty
// segment line (a TAB missing, a time whose minutes or seconds are not
// integers) is left out, so it costs no other segment; only when no segment
// line is sound does the first faulty one stand, completed from the
// new-session segment. The kind comes from the tone of the first segment
// that stands; without one, dualSessionBefore is kept. Duty cycles that are
// not numbers are reported through the prompter as they are met.
SessionFileContent parseSessionFile(QByteArrayView bytes, int dualSessionBefore, Prompter &prompter);

#pragma once

#include "core/beds/Bed.h"
#include "core/session/SessionGrid.h"
#include "core/session/SessionKind.h"

#include <QStringList>

// A session file offered as the start of a new session: one shipped with the
// program, or one the user kept.
struct SessionTemplate
{
    QString name;
    QString filePath;
    bool own = false; // the user's, which can be renamed and deleted
    SessionKind kind = PulsedSession;
    int totalSeconds = 0; // loops played out
    QStringList descriptionLines;
    SessionGrid cells;
    BedList beds;

    // The first line of the description that says something.
    QString summary() const;
    // The whole description as one line.
    QString oneLineDescription() const;
};

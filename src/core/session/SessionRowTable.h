#pragma once

#include "core/session/SessionKind.h"

#include <QStringList>

// How a cell of a row changes under Up(+) and Down(-).
enum class RowStepping {
    None,   // not edited (the segment numbers)
    List,   // through the row's value list
    Dialog, // a box asks for the value (the loop rows)
};

// One row of the session grid: what it is called, what it holds and where a
// session file keeps it. Adding a row is an entry here and one in SessionRow.
struct SessionRowEntry
{
    const char *name;     // English, as the translations know it; nullptr for none
    const char *dualName; // a dual session's name; nullptr: the same
    const QStringList *list;     // the values stepped through; nullptr for none
    const QStringList *dualList; // a dual session's values; nullptr for none
    RowStepping stepping;
    int fileField; // the field of a segment line in a session file
};

namespace SessionRowTable {
// The entry of a row of SessionRow; row must be one.
const SessionRowEntry &entry(int row);
// Its name in a session of kind, English; nullptr for none.
const char *nameText(SessionKind kind, int row);
// Its value list in a session of kind; nullptr for none and for no row.
const QStringList *list(SessionKind kind, int row);
// The row a field of a segment line holds, -1 for none (the reserved field).
int rowOfField(int field);
} // namespace SessionRowTable

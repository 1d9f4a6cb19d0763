#pragma once

#include "core/beds/Bed.h"
#include "core/session/SessionGrid.h"
#include "core/session/SessionKind.h"

#include <QStringList>

// A cell position in the spreadsheet: column = segment index from 0.
struct CellPos
{
    int column = 0;
    int row = TimeRow;
    bool operator==(const CellPos &other) const { return column == other.column && row == other.row; }
};

// A selected rectangle of cells; commands use its top-left cell.
struct CellRange
{
    int left = 0;
    int top = TimeRow;
    int right = 0;
    int bottom = TimeRow;
    CellPos topLeft() const { return {left, top}; }
};

// The session: what its file holds.
struct Session
{
    SessionGrid cells; // what the session table shows
    QString name;
    QString fileName; // full path; empty until saved
    QStringList descriptionLines;
    SessionKind kind = PulsedSession;
    BedList beds; // kept beside the file, in a file of their own
};

// Labels of the rows beside the session table for a session kind, in the
// user's language.
QStringList rowLabels(SessionKind kind);
// One of them, without making the others.
QString rowLabel(SessionKind kind, int row);
// The same in English, as a pasted text's heading line may name the rows.
QStringList rowNames(SessionKind kind);

// The Edit menu's name for a change of one cell: "Change Pitch of Segment 2".
QString cellChangeText(SessionKind kind, const CellPos &cell);

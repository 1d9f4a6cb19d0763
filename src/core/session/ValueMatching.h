#pragma once

#include <QString>

struct CellPos;
struct Session;

// What a typed text stands for in a cell.
struct ValueMatch
{
    QString entry;   // the text the cell takes
    QString problem; // why the cell takes nothing; empty on a match
    bool matched() const { return problem.isEmpty(); }
};

// Matches text to the list of the cell's row, trying in turn: an entry equal
// to it regardless of case; on numeric rows the entry nearest to its number;
// on the Time row a time m:ss or m:ss.d, snapped as the file reader snaps
// times; on the code rows (Tone, Phase, the ramps, the pulsed Chord) the first
// entry it begins, regardless of case. Loop rows take what their dialogs take.
// A cell empty by rule takes only an empty text; the dbb Ramp of segment 1
// of a Dual Binaural Beats session only its own value.
ValueMatch matchValue(const Session &session, const CellPos &cell, const QString &text);

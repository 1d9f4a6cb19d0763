#pragma once

#include <QStringList>

struct CellPos;
struct Session;
struct SessionContext;

enum class StepDirection { Up, Down };

// The entries a cell of the session steps through, in order; an empty list
// when its row is not stepped (the chord of a tone other than "PCh", the dbb
// ramp of a pulsed session or of segment 1, the loop rows).
QStringList workingList(const Session &session, const CellPos &cell);

// Steps the cell one entry up or down the working list of its
// row, matching its text without regard to case. Rows that are not stepped
// are emptied or open their loop dialog instead. One undo step; steps of one
// cell in a row merge. The session counts as modified even when nothing
// changed; the timing panel is refreshed at the cell's segment.
void stepValue(const SessionContext &context, const CellPos &cell, StepDirection direction);

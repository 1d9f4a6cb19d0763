#pragma once

#include "core/session/SessionKind.h"

#include <QStringList>

struct CellPos;
struct CellRange;
struct EditStep;
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

// Steps the cell as stepValue() does, within an edit; false when its text was
// not in the list (it then steps from the first entry).
bool stepCellValue(Session &session, const CellPos &cell, StepDirection direction);

// Steps every cell of a range within one row once, as one undo step that
// refreshes the timing; a range over several rows steps nothing. A loop row
// opens its dialog for the leftmost segment, as stepValue() does.
void stepValues(const SessionContext &context, const CellRange &cells, StepDirection direction);

// The undo step of a command on cells of one row: "Step Volume of Segments
// 2-4", the range selected again, the timing refreshed at its first segment.
EditStep rangeEditStep(const QString &verb, SessionKind kind, const CellRange &cells);

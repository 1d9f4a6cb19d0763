#pragma once

#include "core/exchange/SessionImport.h"

#include <QByteArrayView>

// Reads the cells as `mirandel-cli cells` prints them (UTF-8, one line per
// segment of the 15 cell texts of rows 0 to 14 joined by TAB) into a new
// unnamed session that holds every cell as it stands; row 0 is the
// segment's place. Segment 1's tone gives the kind. Empty lines are passed
// over; a line of another number of fields is an error, and so is a cell a
// session file would not give back: a control character or one its code
// page lacks (named by its column), a time that is not minutes and seconds,
// a duty cycle that is not a number, a line longer than the file keeps.
SessionImport readCellsText(QByteArrayView bytes);

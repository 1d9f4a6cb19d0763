#pragma once

#include "core/session/SessionGrid.h"

#include <QString>

// Loop Segs and Loop Times of one loop starting at column first, n segments, t times.
void putLoop(SessionGrid &cells, int first, int n, int t);

// What every editing command must leave behind: 1 to 1000 segments numbered
// 1, 2, 3, ..., and loops encoded as Loop Segs and Loop Times require (a
// loop's first segment holds its length 1-15 and count 2-15, its other
// segments "0" and the count, every other segment "0" and "0").
// Empty when all holds, else what is wrong.
QString sessionInvariantFault(const SessionGrid &cells);

bool sameCells(const SessionGrid &a, const SessionGrid &b);

#pragma once

#include "session/Session.h"

// A session of count segments, each a copy of the new-session segment of
// the kind with the given time.
Session sessionOfSegments(int dualSession, int count, const QString &time);

// Rows 13 and 14 of one loop starting at column first, n segments, t times.
void PutLoop(SessionGrid &cells, int first, int n, int t);

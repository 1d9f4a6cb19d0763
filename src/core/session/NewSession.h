#pragma once

#include "core/session/SessionGrid.h"
#include "core/session/SessionKind.h"

struct Session;
struct SessionContext;

// Segment 1 of a new session of the given kind (a SessionKind value).
SessionGrid::Column newSessionColumn(SessionKind kind);

// Column k (k >= 1) becomes a copy of column k - 1 outside any loop, with
// row 0 = k + 1, VI ramp "none" and dbb ramp "ramp" (dual) or empty.
void fillNewSegment(Session &session, int k);

QString newSessionName();

// The session File > New makes of a kind: unnamed, one default segment.
Session defaultSession(SessionKind kind);

// File > New after the save prompt: asks the kind and puts a session of one
// default segment in the document's place, modified.
void newSession(const SessionContext &context);

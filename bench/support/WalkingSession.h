#pragma once

#include "core/session/Session.h"

// A session of the given kind and length whose values walk through their
// lists, so that lookups land all over them. Every value is valid.
Session walkingSession(SessionKind kind, int segments);

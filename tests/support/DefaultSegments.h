#pragma once

#include "core/session/Session.h"

#include <utility>
#include <vector>

// (row, text) pairs to set in every segment.
using CellChanges = std::vector<std::pair<int, QString>>;

// A session of the given kind with `segments` copies of the new-session
// column, numbered, each with the changes applied.
Session sessionOfDefaultSegments(SessionKind kind, int segments, const CellChanges &changes = {});

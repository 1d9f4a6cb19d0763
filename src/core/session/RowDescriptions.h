#pragma once

#include "core/session/SessionKind.h"

#include <QString>

// What a row of the session table means, for the tooltip of its label: the
// meaning, the unit, the values it takes and how it is changed. Empty for
// row 0 and rows outside the table.
QString rowDescription(SessionKind kind, int row);

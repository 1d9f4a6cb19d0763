#pragma once

#include "core/beds/Bed.h"
#include "core/check/SessionCheck.h"

// Notes for the sound files of beds that are missing or cannot be read:
// such a bed plays as silence, and the session plays and downloads as ever.
QList<SessionProblem> bedProblems(const BedList &beds);

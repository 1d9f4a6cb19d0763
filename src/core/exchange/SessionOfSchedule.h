#pragma once

#include "core/exchange/Schedule.h"
#include "core/exchange/SessionImport.h"

// A new unnamed session for the periods: one segment each, values snapped
// to the value lists, a period longer than the longest time split into
// several. Beats that slide become targets (pulsed) or dbb ramps (dual),
// volumes that slide VI ramps; chords of parallel isochronic tones "PCh".
// Two binaural tones in the first period that sounds make a Dual Binaural
// Beats session. What the segments cannot hold is added to notes, each
// note then naming the first segment made from its line.
SessionImport sessionOfSchedule(const Schedule &schedule, QList<ExchangeNote> notes);

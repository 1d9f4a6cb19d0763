#pragma once

#include "core/exchange/Schedule.h"
#include "core/exchange/SessionImport.h"

// A new unnamed session that plays the periods: their times built exactly
// from entries of the time list, several segments where one is too long;
// beats that slide become targets (pulsed) or dbb ramps (dual), volumes that
// slide VI ramps. The loudest tone kept plays at volume 100. Chords of
// parallel isochronic tones become "PCh"; two binaural tones in the first
// period that sounds make a Dual Binaural Beats session. What the segments
// cannot hold, and the reader's notes, become a short report: one line per
// kind of change and range of segments.
SessionImport sessionOfSchedule(const Schedule &schedule, const QList<ExchangeNote> &notes);

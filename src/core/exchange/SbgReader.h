#pragma once

#include "core/exchange/ScheduleRead.h"

#include <QByteArrayView>

// Reads an SBaGen sequence file as its documentation describes it: option
// lines, tone-set definitions, blocks and time-sequence lines (clock times,
// NOW and relative times, fades and slides, "->"). Each period runs from
// its line's time to the next line's time; the last line ends the schedule.
// A period slides to the next tone-set when its line has "->" and both
// lines slide ("="). "##" comments become the description. Noise, the mix
// input and its effects, spin voices, bells, waveforms and the options that
// set them are left out with a note on their line.
ScheduleRead readSbgSchedule(QByteArrayView bytes);

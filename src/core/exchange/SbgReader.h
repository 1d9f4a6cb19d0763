#pragma once

#include "core/exchange/ScheduleRead.h"

#include <QByteArrayView>

// Reads an SBaGen sequence file and plays it as the classic player does:
// option lines, tone-set definitions, blocks and time-sequence lines (clock
// times, NOW and relative times, fades and slides, "->"), the day of 24 hours
// from the first line on, changes faded over the fade interval (-F). The
// length is the options' one, else -L, else up to the last line; a schedule
// of one time alone plays until stopped. "##" comments become the
// description. Noise, the mix input and its effects, spin voices, bells,
// waveforms and the options that set them are left out with a note on
// their line; they stay in the schedule as Other tones.
ScheduleRead readSbgSchedule(QByteArrayView bytes, const ScheduleReadOptions &options = {});

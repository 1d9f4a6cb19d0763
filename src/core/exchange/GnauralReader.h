#pragma once

#include "core/exchange/ScheduleRead.h"

#include <QByteArrayView>

// Reads a Gnaural schedule file (XML) as the format is written: voices of
// entries, each entry gliding over its duration to the next entry's values,
// the last to the first. Binaural voices (type 0) and isochronic ones (3, 4
// and 7) give tones, in the order of the file; the beat is the file's
// beatfreq, the carrier its basefreq, the amplitude the mean of its volumes.
// Periods run between the moments any voice's entry starts. Noise, audio
// file, water and rain voices, muted voices and repeats are left out with a
// note on their line; entries in the older form of elements are read too.
ScheduleRead readGnauralSchedule(QByteArrayView bytes, const ScheduleReadOptions &options = {});

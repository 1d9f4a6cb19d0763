#pragma once

#include "core/exchange/Schedule.h"

#include <QByteArray>

// A schedule as a Gnaural schedule file (XML): one voice per tone place,
// binaural voices first, then isochronic ones. Every voice has an entry at
// each keyframe, gliding to the next; an entry of no duration is a step. A
// voice a keyframe does not use has no volume and no base frequency.
QByteArray gnauralBytes(const Schedule &schedule);

#pragma once

#include "core/exchange/Schedule.h"

#include <QByteArray>

// A schedule as an SBaGen sequence file that plays from start to end (-SE):
// "##" lines with the description, one tone-set per distinct set of tones,
// and time lines relative to NOW that slide ("==" and "->") from keyframe to
// keyframe, then the tone-set "off" (silence) at the end so that it stops.
// Times are whole seconds.
QByteArray sbgBytes(const Schedule &schedule);

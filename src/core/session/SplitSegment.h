#pragma once

#include <QList>
#include <optional>

struct SessionContext;

// Indexes into TimeList of `parts` times, each as near an equal share as the
// list allows, that sum exactly to halfSeconds; longer ones first. nullopt
// when no such times exist (fewer half seconds than parts).
std::optional<QList<int>> splitTimes(int halfSeconds, int parts);

// Edit > Split Segment: asks into how many segments to split the segment at
// `column` and puts that many in its place, one undo step. Their times come
// from the Time list and add up to the segment's; what glided across the
// segment (beat, Freq 1 and 2 of a ramping dual segment, levels of a "seg"
// VI ramp) glides across them, each value snapped to its list. A segment in
// a loop, one too short, or a split past 1000 segments is refused.
void splitSegment(const SessionContext &context, int column);

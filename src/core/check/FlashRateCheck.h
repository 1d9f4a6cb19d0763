#pragma once

#include "core/graph/GraphFrequencies.h"

#include <QList>

struct Session;
struct SessionProblem;

// A range of flash rates in hertz, ends included.
struct FlashBand
{
    double low;
    double high;
};
// The rates whose segments the check warns of, and the wider range whose
// time it adds up.
constexpr FlashBand FlashPeakBand{15, 25};
constexpr FlashBand FlashFlickerBand{3, 30};

// A part of a segment's course, from 0 (its start) to 1 (its end).
struct FlashStretch
{
    double from = 1;
    double to = 0;
    bool isEmpty() const { return to <= from; }
};
// When a beat that glides straight from run.start to run.end is in the band.
FlashStretch stretchInBand(const FrequencyRun &run, const FlashBand &band);

// What the session's light does in the flicker bands that most often provoke
// seizures in people with photosensitive epilepsy: a warning for every
// segment whose light flashes at 15 to 25 Hz, followed by a note of the
// session's whole time of light flashing at 3 to 30 Hz. The light is on where the
// Intensity is above its lowest entry; it flashes at the segment's beat over
// its whole course (both beats of a dual tone), every repeat of a loop
// counted. A walk that meets a text that is not a number stops there.
QList<SessionProblem> flashRateFindings(const Session &session);

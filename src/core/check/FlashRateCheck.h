#pragma once

#include <QList>

struct Session;
struct SessionProblem;

// What the session's light does in the flicker bands that most often provoke
// seizures in people with photosensitive epilepsy: a warning for every
// segment whose light flashes at 15 to 25 Hz, followed by a note of the
// session's whole time of light flashing at 3 to 30 Hz. The light is on where the
// Intensity is above its lowest entry; it flashes at the segment's beat over
// its whole course (both beats of a dual tone), every repeat of a loop
// counted. A walk that meets a text that is not a number stops there.
QList<SessionProblem> flashRateFindings(const Session &session);

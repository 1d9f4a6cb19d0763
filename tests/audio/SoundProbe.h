#pragma once

#include "core/session/SessionGrid.h"
#include "core/session/SessionKind.h"

#include <initializer_list>
#include <utility>
#include <vector>

// A segment for the sound tests: the new-session column of its kind with
// some cells (row, text) changed.
struct SoundSegment
{
    SessionKind kind;
    std::vector<std::pair<int, const char *>> cells;
};
SessionGrid soundSession(std::initializer_list<SoundSegment> segments);

// Rendered sound, split into its ears.
struct Ears
{
    int rate = 0;
    std::vector<float> left;
    std::vector<float> right;
};
// A stereo sound file's ears; none when it cannot be read.
Ears readEars(const QString &path);
// Renders the whole session (or its first `seconds`) at `rate`.
Ears renderEars(const SessionGrid &cells, int rate, double seconds = -1, int fromColumn = 0);

// The frequency between lo and hi hertz that is strongest in the samples
// from second `from` to second `to` (searched in steps of 0.02 Hz).
double strongestFrequency(const std::vector<float> &samples, int rate, double from, double to, double lo, double hi);
// Relative strength of one frequency in the same stretch (1 for a full-scale sine).
double strength(const std::vector<float> &samples, int rate, double from, double to, double hertz);
// Root mean square of the samples in a stretch.
double rms(const std::vector<float> &samples, int rate, double from, double to);
// The mean frequency of a single tone in a stretch, from its rising zero
// crossings: exact to far below 0.01 Hz over a second.
double crossingFrequency(const std::vector<float> &samples, int rate, double from, double to);

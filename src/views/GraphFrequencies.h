#pragma once

#include <QString>

class SessionGrid;

// A frequency cell in quarter hertz, rounded half to even; an empty text, or
// one that is not a number, counts as 0 Hz.
int quarterHertzOf(const QString &cell);

// The frequencies, in quarter hertz, between which a segment's line runs.
struct FrequencySpan
{
    int start = 0;
    int end = 0;
};

// Follows the segments in the order they are drawn. A dual tone draws its
// "Freq 1" level, or ramps to it from the end of the segment drawn just
// before unless its dbb ramp is "jump" (from 0 Hz for the first segment
// drawn). Any other tone runs from "Start Freq" to "Target Freq", or stays
// level without a target.
class FrequencyWalk
{
public:
    FrequencySpan next(const SessionGrid &cells, int column);

private:
    int mPreviousEnd = 0;
};

#pragma once

#include <QString>
#include <vector>

class SessionGrid;

// Every segment's start and the session's length as the timing summary and
// the preview count them: loops as LoopRule::LatestStart reads them, the
// repeats of a loop counted at its last segment. One pass over the numbers
// WalkNumbers keeps. A text that is not a number stops the count where a
// walk reading the cells in playing order stops: a segment's time before it
// starts, its loop cells after.
struct SegmentStarts
{
    std::vector<qint64> starts; // of the segments reached, from segment 1 on
    qint64 total = 0;           // half seconds up to where the count ended
    QString error;              // the conversion error that stopped it
};

// Fills result, reusing its room.
void countSegmentStarts(const SessionGrid &cells, SegmentStarts &result);

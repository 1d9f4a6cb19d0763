#pragma once

#include <QStringList>

class SessionGrid;

// Start time of one segment and the session total, loops played out: the
// repeats of a loop count at its last segment.
struct TimingSummary
{
    QStringList lines{QString(), QString()}; // the panel's two lines
    int totalSeconds = 0;                    // final half second dropped
    QString error;                           // a conversion error stopped the walk
};

// s counts from 1; when segment s does not exist the total is the first line.
TimingSummary computeTimingSummary(const SessionGrid &cells, int s);

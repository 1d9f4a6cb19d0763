#pragma once

#include "core/session/SessionRows.h"

#include <QString>
#include <QtGlobal>
#include <vector>

class SessionGrid;

// A frequency cell in hertz; an empty text, or one that is not a number,
// counts as 0 Hz.
double hertzOf(const QString &cell);
// Hertz in quarter hertz, rounded half to even.
int quarterHertzOf(double hertz);
inline int quarterHertzOf(const QString &cell)
{
    return quarterHertzOf(hertzOf(cell));
}

// The frequencies, in quarter hertz, between which a segment's line runs.
struct FrequencySpan
{
    int start = 0;
    int end = 0;
};

// The same in hertz.
struct FrequencyRun
{
    double start = 0;
    double end = 0;
};

// Follows the segments in the order they are drawn or played. A dual tone
// draws its "Freq 1" level, or ramps to it from the end of the segment drawn
// just before unless its dbb ramp is "jump" (from 0 Hz for the first segment
// drawn). Any other tone runs from "Start Freq" to "Target Freq", or stays
// level without a target. With Freq2Row as dualRow the dual tones follow
// "Freq 2" instead (the preview's second voice). A time graph passes each
// segment of a loop once per repeat: the cells' numbers are read once, and
// read again after any change of the cells.
class FrequencyWalk
{
public:
    explicit FrequencyWalk(int dualRow = Freq1Row) : mDualRow(dualRow) {}

    // What a column's cells say, read once.
    struct ColumnHertz
    {
        bool known = false;
        bool dual = false;
        bool jump = false; // dual: "jump" in the dbb ramp
        double first = 0;  // dual: the level; otherwise the start
        double second = 0; // otherwise: the end

        static ColumnHertz read(const SessionGrid &cells, int column, int dualRow);
    };

    FrequencyRun nextHertz(const SessionGrid &cells, int column) { return nextHertz(columnHertz(cells, column)); }
    // The same for a column whose cells the caller read.
    FrequencyRun nextHertz(const ColumnHertz &hertz)
    {
        FrequencyRun run;
        if (hertz.dual) {
            run.end = hertz.first;
            run.start = hertz.jump ? run.end : mPreviousEnd;
        } else {
            run.start = hertz.first;
            run.end = hertz.second;
        }
        mPreviousEnd = run.end;
        return run;
    }
    FrequencySpan next(const SessionGrid &cells, int column)
    {
        const FrequencyRun run = nextHertz(cells, column);
        return {quarterHertzOf(run.start), quarterHertzOf(run.end)};
    }

private:
    const ColumnHertz &columnHertz(const SessionGrid &cells, int column);

    int mDualRow;
    double mPreviousEnd = 0;
    quint64 mRevision = 0; // of the cells the columns were read from
    std::vector<ColumnHertz> mColumns;
};

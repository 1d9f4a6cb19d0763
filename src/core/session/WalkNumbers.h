#pragma once

#include "core/session/FollowedColumns.h"
#include "core/session/SessionGrid.h"

#include <QtGlobal>
#include <vector>

// The numbers a walk over the played segments reads from the cells (the
// time and the two loop cells of each column), converted once per column and
// kept in one compact table that converts only the columns an edit changed
// or inserted (FollowedColumns).
//
// Conversions raise ConversionError, with its usual message, at the moment
// the walk reads the cell, as reading the text itself would.
class WalkNumbers
{
public:
    // The numbers of this thread's walks: the walks of the timing summary,
    // the graphs and the preview share them.
    static WalkNumbers &ofThisThread();

    int halfSeconds(const SessionGrid &cells, int column);
    // The "Loop Segs" text is not "0": a loop starts at this column.
    bool startsLoop(const SessionGrid &cells, int column);
    int loopSegments(const SessionGrid &cells, int column);
    int loopTimes(const SessionGrid &cells, int column);

    enum Failed : quint8 { TimeFailed = 1, LoopSegsFailed = 2, LoopTimesFailed = 4 };

    // One column's numbers; those that failed read as 0 here, and the
    // accessors above raise their errors.
    struct Numbers
    {
        int halfSeconds = 0;
        int loopSegments = 0;
        int loopTimes = 0;
        bool startsLoop = false;
        quint8 failed = 0;
    };

    // Every column's numbers, for walks that go through all of them at once.
    const std::vector<Numbers> &table(const SessionGrid &cells)
    {
        if (!mColumns.follows(cells))
            follow(cells);
        return mColumns.results();
    }

private:
    const Numbers &numbers(const SessionGrid &cells, int column) { return table(cells)[size_t(column)]; }
    void follow(const SessionGrid &cells);
    static Numbers convert(const SessionGrid::Column &cells);

    FollowedColumns<Numbers> mColumns;
};

#pragma once

#include <QString>
#include <array>
#include <vector>

class SessionGrid;

// The numbers a walk over the played segments reads from the cells (the
// time and the two loop cells of each column), each converted once and kept
// with the text it came from until the cell holds another text. Cell texts
// are implicitly shared: holding the converted text keeps its buffer alive,
// so a cell whose text still uses that buffer still holds that very text,
// whatever happened to the grid meanwhile. Checking costs a pointer
// comparison, so a walk after an edit converts only the cells it changed.
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

private:
    enum Kind { Time, LoopSegs, LoopTimes, KindCount };

    struct Number
    {
        QString text; // what value or error was converted from
        bool converted = false;
        bool zeroText = false; // the text is "0"
        int value = 0;
        QString error;
    };

    const Number &number(const SessionGrid &cells, int column, Kind kind);
    static int value(const Number &number);

    std::vector<std::array<Number, KindCount>> mColumns;
};

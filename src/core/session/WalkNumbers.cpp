#include "core/session/WalkNumbers.h"

#include "core/session/ConversionError.h"
#include "core/session/SessionRows.h"
#include "core/session/TextNumbers.h"

using namespace Qt::Literals::StringLiterals;

WalkNumbers &WalkNumbers::ofThisThread()
{
    thread_local WalkNumbers numbers;
    return numbers;
}

WalkNumbers::Numbers WalkNumbers::convert(const SessionGrid::Column &cells)
{
    Numbers numbers;
    const auto integer = [&numbers](const QString &text, Failed failed) {
        const auto value = TextNumbers::tryInteger(text);
        if (!value)
            numbers.failed |= failed;
        return value.value_or(0);
    };
    if (const auto halfSeconds = TextNumbers::tryHalfSecondsOfTime(cells[TimeRow]))
        numbers.halfSeconds = int(*halfSeconds); // wraps as the throwing form does
    else
        numbers.failed |= TimeFailed;
    numbers.startsLoop = cells[LoopSegsRow] != u"0"_s;
    numbers.loopSegments = integer(cells[LoopSegsRow], LoopSegsFailed);
    numbers.loopTimes = integer(cells[LoopTimesRow], LoopTimesFailed);
    return numbers;
}

void WalkNumbers::follow(const SessionGrid &cells)
{
    mColumns.follow(cells, [](const SessionGrid &grid, int column) { return convert(*grid.storedColumn(column)); });
}

// A failed conversion is run again on the cell, to raise its own error.
int WalkNumbers::halfSeconds(const SessionGrid &cells, int column)
{
    const Numbers &n = numbers(cells, column);
    return n.failed & TimeFailed ? TextNumbers::halfSecondsOfTime(cells.cell(column, TimeRow)) : n.halfSeconds;
}

bool WalkNumbers::startsLoop(const SessionGrid &cells, int column)
{
    return numbers(cells, column).startsLoop;
}

int WalkNumbers::loopSegments(const SessionGrid &cells, int column)
{
    const Numbers &n = numbers(cells, column);
    return n.failed & LoopSegsFailed ? TextNumbers::integer(cells.cell(column, LoopSegsRow)) : n.loopSegments;
}

int WalkNumbers::loopTimes(const SessionGrid &cells, int column)
{
    const Numbers &n = numbers(cells, column);
    return n.failed & LoopTimesFailed ? TextNumbers::integer(cells.cell(column, LoopTimesRow)) : n.loopTimes;
}

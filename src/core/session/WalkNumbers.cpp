#include "core/session/WalkNumbers.h"

#include "core/session/ConversionError.h"
#include "core/session/SessionRows.h"
#include "core/session/TextNumbers.h"

#include <algorithm>

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
    try {
        numbers.halfSeconds = TextNumbers::halfSecondsOfTime(cells[TimeRow]);
    } catch (const ConversionError &) {
        numbers.failed |= TimeFailed;
    }
    numbers.startsLoop = cells[LoopSegsRow] != u"0"_s;
    numbers.loopSegments = integer(cells[LoopSegsRow], LoopSegsFailed);
    numbers.loopTimes = integer(cells[LoopTimesRow], LoopTimesFailed);
    return numbers;
}

void WalkNumbers::hold(size_t position, const SessionGrid &cells, bool inserted)
{
    auto column = cells.sharedColumn(int(position));
    const Numbers numbers = convert(*column);
    if (inserted) {
        mHeld.insert(mHeld.begin() + qsizetype(position), std::move(column));
        mNumbers.insert(mNumbers.begin() + qsizetype(position), numbers);
    } else if (position < mHeld.size()) {
        mHeld[position] = std::move(column);
        mNumbers[position] = numbers;
    } else {
        mHeld.push_back(std::move(column));
        mNumbers.push_back(numbers);
    }
}

void WalkNumbers::follow(const SessionGrid &cells)
{
    const size_t count = size_t(cells.columnCount());
    // Most edits change one place: the columns before it are passed quickly.
    size_t i = 0;
    for (const size_t same = std::min(count, mHeld.size()); i < same && mHeld[i].get() == cells.storedColumn(int(i));)
        ++i;
    for (; i < count; ++i) {
        const SessionGrid::Column *now = cells.storedColumn(int(i));
        if (i < mHeld.size() && mHeld[i].get() == now)
            continue;
        // A segment removed or inserted here moves the rest, which keep
        // their numbers.
        if (i + 1 < mHeld.size() && mHeld[i + 1].get() == now) {
            mHeld.erase(mHeld.begin() + qsizetype(i));
            mNumbers.erase(mNumbers.begin() + qsizetype(i));
            continue;
        }
        const bool inserted = i < mHeld.size() && i + 1 < count && cells.storedColumn(int(i + 1)) == mHeld[i].get();
        hold(i, cells, inserted);
    }
    mHeld.resize(count);
    mNumbers.resize(count);
    mRevision = cells.revision();
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

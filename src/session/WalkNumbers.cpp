#include "session/WalkNumbers.h"

#include "session/ConversionError.h"
#include "session/SessionGrid.h"
#include "session/SessionRows.h"
#include "session/TextNumbers.h"

using namespace Qt::Literals::StringLiterals;

namespace {
constexpr int TimeRow = 1;

bool sameBuffer(const QString &a, const QString &b)
{
    return a.constData() == b.constData() && a.size() == b.size();
}
} // namespace

WalkNumbers &WalkNumbers::ofThisThread()
{
    thread_local WalkNumbers numbers;
    return numbers;
}

const WalkNumbers::Number &WalkNumbers::number(const SessionGrid &cells, int column, Kind kind)
{
    static constexpr int Rows[KindCount] = {TimeRow, SessionRows::LoopSegs, SessionRows::LoopTimes};
    if (size_t(column) >= mColumns.size())
        mColumns.resize(size_t(column) + 1);
    Number &number = mColumns[size_t(column)][kind];
    const QString &text = cells.cell(column, Rows[kind]);
    if (number.converted && sameBuffer(number.text, text))
        return number;
    number.text = text;
    number.converted = true;
    number.zeroText = text == u"0"_s;
    number.error.clear();
    try {
        number.value = kind == Time ? TextNumbers::halfSecondsOfTime(text) : TextNumbers::integer(text);
    } catch (const ConversionError &e) {
        number.value = 0;
        number.error = e.message();
    }
    return number;
}

int WalkNumbers::value(const Number &number)
{
    if (!number.error.isEmpty())
        throw ConversionError(number.error);
    return number.value;
}

int WalkNumbers::halfSeconds(const SessionGrid &cells, int column)
{
    return value(number(cells, column, Time));
}

bool WalkNumbers::startsLoop(const SessionGrid &cells, int column)
{
    return !number(cells, column, LoopSegs).zeroText;
}

int WalkNumbers::loopSegments(const SessionGrid &cells, int column)
{
    return value(number(cells, column, LoopSegs));
}

int WalkNumbers::loopTimes(const SessionGrid &cells, int column)
{
    return value(number(cells, column, LoopTimes));
}

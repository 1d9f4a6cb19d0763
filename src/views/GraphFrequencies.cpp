#include "views/GraphFrequencies.h"

#include "session/SessionGrid.h"
#include "session/TextNumbers.h"
#include "session/ValueLists.h"

#include <algorithm>
#include <cmath>

using namespace Qt::Literals::StringLiterals;

namespace {
// Far beyond the drawing either way, yet safe to compute with.
constexpr double QuarterHertzLimit = 1e6;

enum Row { ToneRow = 2, StartFreqRow = 3, TargetFreqRow = 5, DbbRampRow = 12 };
} // namespace

int quarterHertzOf(const QString &cell)
{
    const auto hertz = TextNumbers::tryDecimal(cell);
    if (!hertz)
        return 0;
    return int(std::nearbyint(std::clamp(*hertz * 4.0, -QuarterHertzLimit, QuarterHertzLimit)));
}

FrequencySpan FrequencyWalk::next(const SessionGrid &cells, int column)
{
    FrequencySpan line;
    if (ValueLists::isDualTone(cells.cell(column, ToneRow))) {
        line.end = quarterHertzOf(cells.cell(column, StartFreqRow));
        line.start = cells.cell(column, DbbRampRow) == u"jump"_s ? line.end : mPreviousEnd;
    } else {
        line.start = quarterHertzOf(cells.cell(column, StartFreqRow));
        const QString &target = cells.cell(column, TargetFreqRow);
        line.end = target.isEmpty() ? line.start : quarterHertzOf(target);
    }
    mPreviousEnd = line.end;
    return line;
}

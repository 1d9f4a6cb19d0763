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

double Hertz(const QString &cell)
{
    return TextNumbers::tryDecimal(cell).value_or(0.0);
}

int quarterHertzOf(double hertz)
{
    return int(std::nearbyint(std::clamp(hertz * 4.0, -QuarterHertzLimit, QuarterHertzLimit)));
}

FrequencyRun FrequencyWalk::nextHertz(const SessionGrid &cells, int column)
{
    FrequencyRun run;
    if (ValueLists::isDualTone(cells.cell(column, ToneRow))) {
        run.end = Hertz(cells.cell(column, mDualRow));
        run.start = cells.cell(column, DbbRampRow) == u"jump"_s ? run.end : mPreviousEnd;
    } else {
        run.start = Hertz(cells.cell(column, StartFreqRow));
        const QString &target = cells.cell(column, TargetFreqRow);
        run.end = target.isEmpty() ? run.start : Hertz(target);
    }
    mPreviousEnd = run.end;
    return run;
}

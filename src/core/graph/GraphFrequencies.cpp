#include "core/graph/GraphFrequencies.h"

#include "core/session/SessionGrid.h"
#include "core/session/TextNumbers.h"
#include "core/session/ValueLists.h"

#include <algorithm>
#include <cmath>

using namespace Qt::Literals::StringLiterals;

namespace {
// Far beyond the drawing either way, yet safe to compute with.
constexpr double QuarterHertzLimit = 1e6;
} // namespace

double hertzOf(const QString &cell)
{
    return TextNumbers::tryDecimal(cell).value_or(0.0);
}

int quarterHertzOf(double hertz)
{
    return int(std::nearbyint(std::clamp(hertz * 4.0, -QuarterHertzLimit, QuarterHertzLimit)));
}

FrequencyWalk::ColumnHertz FrequencyWalk::ColumnHertz::read(const SessionGrid &cells, int column, int dualRow)
{
    ColumnHertz hertz;
    hertz.known = true;
    hertz.dual = ValueLists::isDualTone(cells.cell(column, ToneRow));
    if (hertz.dual) {
        hertz.first = hertzOf(cells.cell(column, dualRow));
        hertz.jump = cells.cell(column, DbbRampRow) == u"jump"_s;
    } else {
        hertz.first = hertzOf(cells.cell(column, StartFreqRow));
        const QString &target = cells.cell(column, TargetFreqRow);
        hertz.second = target.isEmpty() ? hertz.first : hertzOf(target);
    }
    return hertz;
}

const FrequencyWalk::ColumnHertz &FrequencyWalk::columnHertz(const SessionGrid &cells, int column)
{
    if (mRevision != cells.revision()) {
        mRevision = cells.revision();
        mColumns.assign(size_t(cells.columnCount()), ColumnHertz());
    }
    ColumnHertz &hertz = mColumns[size_t(column)];
    if (!hertz.known)
        hertz = ColumnHertz::read(cells, column, mDualRow);
    return hertz;
}

#include "EditingFixtures.h"

using namespace Qt::Literals::StringLiterals;

void putLoop(SessionGrid &cells, int first, int n, int t)
{
    for (int column = first; column < first + n; ++column) {
        cells.setCell(column, LoopSegsRow, column == first ? QString::number(n) : u"0"_s);
        cells.setCell(column, LoopTimesRow, QString::number(t));
    }
}

namespace {
// A canonical decimal text in low..high, or -1.
int canonicalNumber(const QString &text, int low, int high)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || value < low || value > high || QString::number(value) != text)
        return -1;
    return value;
}
} // namespace

QString sessionInvariantFault(const SessionGrid &cells)
{
    const int count = cells.columnCount();
    if (count < 1 || count > SessionGrid::MaxSegments)
        return u"%1 segments"_s.arg(count);
    for (int column = 0; column < count; ++column) {
        if (cells.cell(column, SegmentNumberRow) != QString::number(column + 1))
            return u"column %1 numbered '%2'"_s.arg(column).arg(cells.cell(column, SegmentNumberRow));
    }
    int column = 0;
    while (column < count) {
        const QString &segs = cells.cell(column, LoopSegsRow);
        const QString &times = cells.cell(column, LoopTimesRow);
        if (segs == u"0") {
            if (times != u"0")
                return u"column %1 outside loops has count '%2'"_s.arg(column).arg(times);
            ++column;
            continue;
        }
        const int n = canonicalNumber(segs, 1, 15);
        const int t = canonicalNumber(times, 2, 15);
        if (n < 0 || t < 0)
            return u"column %1 starts a loop '%2' x '%3'"_s.arg(column).arg(segs, times);
        if (column + n > count)
            return u"loop at column %1 runs past the end"_s.arg(column);
        for (int member = column + 1; member < column + n; ++member) {
            if (cells.cell(member, LoopSegsRow) != u"0" || cells.cell(member, LoopTimesRow) != times)
                return u"column %1 of the loop at %2 holds '%3' '%4'"_s.arg(member).arg(column).arg(
                    cells.cell(member, LoopSegsRow), cells.cell(member, LoopTimesRow));
        }
        column += n;
    }
    return {};
}

bool sameCells(const SessionGrid &a, const SessionGrid &b)
{
    if (a.columnCount() != b.columnCount())
        return false;
    for (int column = 0; column < a.columnCount(); ++column) {
        if (a.column(column) != b.column(column))
            return false;
    }
    return true;
}

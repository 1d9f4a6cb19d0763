#include "core/session/SessionGrid.h"

#include <algorithm>
#include <atomic>

namespace {
std::shared_ptr<SessionGrid::Column> emptyColumn()
{
    static const auto empty = std::make_shared<SessionGrid::Column>();
    return empty;
}
} // namespace

SessionGrid::SessionGrid()
    : mColumns(1, emptyColumn())
{
    touch();
}

void SessionGrid::touch()
{
    static std::atomic<quint64> lastRevision{0};
    mRevision = ++lastRevision;
}

const QString &SessionGrid::segmentNumber(int column)
{
    // Built once, far beyond the positions a session can reach: a longer
    // grid (a test, a file being cut) shows its last number from there on.
    static const std::vector<QString> numbers = [] {
        std::vector<QString> texts(4 * MaxSegments);
        for (size_t k = 0; k < texts.size(); ++k)
            texts[k] = QString::number(k + 1);
        return texts;
    }();
    return size_t(column) < numbers.size() ? numbers[size_t(column)] : numbers.back();
}

void SessionGrid::setColumnCount(int count)
{
    mColumns.resize(size_t(std::max(count, 1)), emptyColumn());
    touch();
}

void SessionGrid::setCell(int column, int row, const QString &text)
{
    if (row == SegmentNumberRow)
        return;
    std::shared_ptr<Column> &stored = mColumns[size_t(column)];
    if (stored.use_count() > 1)
        stored = std::make_shared<Column>(*stored);
    (*stored)[size_t(row)] = text;
    touch();
}

SessionGrid::Column SessionGrid::column(int column) const
{
    Column cells = *mColumns[size_t(column)];
    cells[SegmentNumberRow] = segmentNumber(column);
    return cells;
}

void SessionGrid::setColumn(int column, const Column &cells)
{
    auto stored = std::make_shared<Column>(cells);
    (*stored)[SegmentNumberRow].clear();
    mColumns[size_t(column)] = std::move(stored);
    touch();
}

void SessionGrid::shiftRightFrom(int k)
{
    mColumns.insert(mColumns.begin() + k, mColumns[size_t(k)]);
    touch();
}

void SessionGrid::shiftLeftOnto(int k)
{
    mColumns.erase(mColumns.begin() + k);
    if (mColumns.empty())
        mColumns.push_back(emptyColumn());
    touch();
}

bool SessionGrid::operator==(const SessionGrid &other) const
{
    return std::equal(mColumns.begin(), mColumns.end(), other.mColumns.begin(), other.mColumns.end(),
                      [](const auto &a, const auto &b) { return a == b || *a == *b; });
}

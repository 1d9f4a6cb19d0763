#include "core/session/SessionGrid.h"

#include <algorithm>
#include <atomic>
#include <iterator>

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
    // Each made when first shown and kept to the end of the process, far
    // beyond the positions a session can reach: a longer grid (a test, a
    // file being cut) shows its last number from there on.
    static std::atomic<const QString *> numbers[4 * MaxSegments];
    const size_t position = std::min(size_t(column), std::size(numbers) - 1);
    std::atomic<const QString *> &slot = numbers[position];
    const QString *number = slot.load(std::memory_order_acquire);
    if (!number) {
        const auto *made = new QString(QString::number(position + 1));
        if (slot.compare_exchange_strong(number, made, std::memory_order_acq_rel))
            number = made;
        else
            delete made; // another thread was first
    }
    return *number;
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
    setColumn(column, Column(cells));
}

void SessionGrid::setColumn(int column, Column &&cells)
{
    auto stored = std::make_shared<Column>(std::move(cells));
    (*stored)[SegmentNumberRow] = QString();
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

#pragma once

#include "core/session/SessionRows.h"

#include <QString>
#include <QtGlobal>
#include <array>
#include <memory>
#include <vector>

// The cells of the session spreadsheet: one column per segment, rows 0 to 14
// (row 0 the segment number). This store is the session; the visible grid is
// only a view of it. Always at least one column.
//
// Columns are shared between copies until one of them writes, so a copy of
// the whole grid (an undo step) costs a pointer per segment. Row 0 is not
// stored: a segment's number is its position, so shifting segments writes
// nothing and leaves every column shared.
class SessionGrid
{
public:
    static constexpr int RowCount = LoopTimesRow + 1;
    static constexpr int MaxSegments = 1000;
    using Column = std::array<QString, RowCount>;

    SessionGrid();

    int columnCount() const { return int(mColumns.size()); }
    // Below 1 gives 1 column. New columns are empty but for their number.
    void setColumnCount(int count);

    const QString &cell(int column, int row) const
    {
        return row == SegmentNumberRow ? segmentNumber(column) : (*mColumns[size_t(column)])[size_t(row)];
    }
    // Row 0 follows the position and takes no text.
    void setCell(int column, int row, const QString &text);
    Column column(int column) const;
    // The stored cells of a column (row 0 empty). While anyone holds them the
    // grid copies them before it writes, so a held pointer that is still
    // stored at a position means the same cells there.
    const Column *storedColumn(int column) const { return mColumns[size_t(column)].get(); }
    std::shared_ptr<const Column> sharedColumn(int column) const { return mColumns[size_t(column)]; }
    // Row 0 of cells is not used.
    void setColumn(int column, const Column &cells);
    void setColumn(int column, Column &&cells);

    // Adds a column at k that holds the cells of the column that was there
    // until the caller rewrites it, moving columns k.. one place right.
    void shiftRightFrom(int k);
    // Removes column k and moves the columns after it one place left.
    void shiftLeftOnto(int k);

    // The same cells, also where they are not shared.
    bool operator==(const SessionGrid &other) const;
    bool operator!=(const SessionGrid &other) const { return !(*this == other); }

    // Names the cells' content: every change gives a number no grid had
    // before, and a copy keeps it with the cells, so two grids of one
    // revision hold the same cells. Results worked out from the cells can be
    // kept while it stays.
    quint64 revision() const { return mRevision; }

private:
    static const QString &segmentNumber(int column);
    // Every change of the cells ends here.
    void touch();

    std::vector<std::shared_ptr<Column>> mColumns;
    quint64 mRevision = 0;
};

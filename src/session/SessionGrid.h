#pragma once

#include <QString>
#include <QtGlobal>
#include <array>
#include <vector>

// The cells of the session spreadsheet: one column per segment, rows 0 to 14
// (row 0 the segment number). This store is the session; the visible grid is
// only a view of it. Always at least one column.
class SessionGrid
{
public:
    static constexpr int RowCount = 15;
    static constexpr int MaxSegments = 1000;
    using Column = std::array<QString, RowCount>;

    SessionGrid();

    int columnCount() const { return int(mColumns.size()); }
    // Below 1 gives 1 column. New columns are empty.
    void setColumnCount(int count);

    const QString &cell(int column, int row) const { return mColumns[size_t(column)][size_t(row)]; }
    void setCell(int column, int row, const QString &text)
    {
        mColumns[size_t(column)][size_t(row)] = text;
        touch();
    }
    const Column &column(int column) const { return mColumns[size_t(column)]; }
    void setColumn(int column, const Column &cells)
    {
        mColumns[size_t(column)] = cells;
        touch();
    }

    // Names the cells' content: every change gives a number no grid had
    // before, and a copy keeps it with the cells, so two grids of one
    // revision hold the same cells. Results worked out from the cells can be
    // kept while it stays.
    quint64 revision() const { return mRevision; }

    // Adds a column and moves columns k.. one place right, numbering row 0
    // from k + 1 on; column k keeps its cells until the caller rewrites it.
    void shiftRightFrom(int k);
    // Removes column k and moves the columns after it one place left,
    // numbering row 0 from k on.
    void shiftLeftOnto(int k);

private:
    void renumberFrom(int column);
    // Every change of the cells ends here.
    void touch();

    std::vector<Column> mColumns;
    quint64 mRevision = 0;
};

#include "session/SessionGrid.h"

SessionGrid::SessionGrid()
    : mColumns(1)
{
}

void SessionGrid::setColumnCount(int count)
{
    mColumns.resize(size_t(count < 1 ? 1 : count));
}

void SessionGrid::shiftRightFrom(int k)
{
    mColumns.insert(mColumns.begin() + k, mColumns[size_t(k)]);
    renumberFrom(k + 1);
}

void SessionGrid::shiftLeftOnto(int k)
{
    mColumns.erase(mColumns.begin() + k);
    if (mColumns.empty())
        mColumns.resize(1);
    renumberFrom(k);
}

void SessionGrid::renumberFrom(int column)
{
    for (int j = column; j < columnCount(); ++j)
        mColumns[size_t(j)][0] = QString::number(j + 1);
}

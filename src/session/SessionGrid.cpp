#include "session/SessionGrid.h"

#include <atomic>

SessionGrid::SessionGrid()
    : mColumns(1)
{
    touch();
}

void SessionGrid::touch()
{
    static std::atomic<quint64> lastRevision{0};
    mRevision = ++lastRevision;
}

void SessionGrid::setColumnCount(int count)
{
    mColumns.resize(size_t(count < 1 ? 1 : count));
    touch();
}

void SessionGrid::shiftRightFrom(int k)
{
    mColumns.insert(mColumns.begin() + k, mColumns[size_t(k)]);
    renumberFrom(k + 1);
    touch();
}

void SessionGrid::shiftLeftOnto(int k)
{
    mColumns.erase(mColumns.begin() + k);
    if (mColumns.empty())
        mColumns.resize(1);
    renumberFrom(k);
    touch();
}

void SessionGrid::renumberFrom(int column)
{
    for (int j = column; j < columnCount(); ++j)
        mColumns[size_t(j)][0] = QString::number(j + 1);
}

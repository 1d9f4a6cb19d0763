#include "app/SessionGridModel.h"

#include "session/Session.h"

#include <QBrush>
#include <QGuiApplication>
#include <QPalette>
#include <algorithm>

namespace {
// A soft amber: apart from the selection's colour, dark text stays readable.
const QColor PlayingShade(255, 226, 150);
} // namespace

SessionGridModel::SessionGridModel(const Session &session, QObject *parent)
    : QAbstractTableModel(parent)
    , mSession(session)
    , mColumns(session.cells.columnCount())
{
}

int SessionGridModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : SessionGrid::RowCount;
}

int SessionGridModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : mColumns;
}

QVariant SessionGridModel::data(const QModelIndex &index, int role) const
{
    // A command may shrink the store and then ask something before it syncs
    // this model: the grid repaints meanwhile and must not read columns gone.
    if (!index.isValid() || index.column() >= std::min(mColumns, mSession.cells.columnCount()))
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return mSession.cells.cell(index.column(), index.row());
    case Qt::TextAlignmentRole:
        return index.row() == SegmentNumberRow ? QVariant(Qt::AlignCenter) : QVariant(Qt::AlignLeft | Qt::AlignVCenter);
    case Qt::BackgroundRole:
        if (index.row() == SegmentNumberRow)
            return QGuiApplication::palette().brush(QPalette::Button);
        if (index.column() == mPlayingColumn)
            return QBrush(PlayingShade);
        return {};
    case Qt::ForegroundRole:
        // The fixed row is not enabled (so the cursor skips it) but reads as normal text.
        return QGuiApplication::palette().brush(QPalette::Active, QPalette::WindowText);
    default:
        return {};
    }
}

Qt::ItemFlags SessionGridModel::flags(const QModelIndex &index) const
{
    if (!index.isValid() || index.row() == SegmentNumberRow)
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

void SessionGridModel::syncWithSession()
{
    const int wanted = mSession.cells.columnCount();
    if (wanted > mColumns) {
        beginInsertColumns({}, mColumns, wanted - 1);
        mColumns = wanted;
        endInsertColumns();
    } else if (wanted < mColumns) {
        beginRemoveColumns({}, wanted, mColumns - 1);
        mColumns = wanted;
        endRemoveColumns();
    }
    emit dataChanged(index(SegmentNumberRow, 0), index(LoopTimesRow, mColumns - 1));
    emit synced();
}

void SessionGridModel::setPlayingColumn(int column)
{
    if (column == mPlayingColumn)
        return;
    const int previous = mPlayingColumn;
    mPlayingColumn = column;
    shadeColumn(previous);
    shadeColumn(column);
}

void SessionGridModel::shadeColumn(int column)
{
    if (column >= 0 && column < mColumns)
        emit dataChanged(index(TimeRow, column), index(LoopTimesRow, column), {Qt::BackgroundRole});
}

#include "app/SessionGridModel.h"

#include "core/session/RowDescriptions.h"
#include "core/session/SessionDocument.h"

#include <QBrush>
#include <QGuiApplication>
#include <QPalette>
#include <QScopedValueRollback>
#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace {
// A soft amber: apart from the selection's colour, dark text stays readable.
const QColor PlayingShade(255, 226, 150);
} // namespace

SessionGridModel::SessionGridModel(const SessionDocument &document, QObject *parent)
    : QAbstractTableModel(parent)
    , mDocument(document)
    , mColumns(document.cells().columnCount())
{
    connect(&document, &SessionDocument::cellsChanged, this, &SessionGridModel::followCells);
    connect(&document, &SessionDocument::segmentsInserted, this, &SessionGridModel::followInserted);
    connect(&document, &SessionDocument::segmentsRemoved, this, &SessionGridModel::followRemoved);
    connect(&document, &SessionDocument::replaced, this, &SessionGridModel::followReplaced);
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
    // A command may shrink the session and then ask something before the
    // model follows: the grid repaints meanwhile and must not read columns gone.
    const SessionGrid &cells = mDocument.cells();
    if (!index.isValid() || index.column() >= std::min(mColumns, cells.columnCount()))
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return cells.cell(index.column(), index.row());
    case Qt::AccessibleTextRole:
        return accessibleText(index);
    case Qt::AccessibleDescriptionRole:
        return index.row() == SegmentNumberRow ? QVariant() : rowDescription(mDocument.session().kind, index.row());
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

QString SessionGridModel::cellPlace(const QModelIndex &index) const
{
    const QString segment = tr("Segment %1").arg(index.column() + 1);
    if (index.row() == SegmentNumberRow)
        return segment;
    return u"%1, %2"_s.arg(segment, rowLabel(mDocument.session().kind, index.row()));
}

// What a screen reader says of a cell: its segment, its row and its text.
QString SessionGridModel::accessibleText(const QModelIndex &index) const
{
    if (index.row() == SegmentNumberRow)
        return cellPlace(index);
    const QString value = mDocument.cells().cell(index.column(), index.row());
    return u"%1, %2"_s.arg(cellPlace(index), value.isEmpty() ? tr("empty") : value);
}

Qt::ItemFlags SessionGridModel::flags(const QModelIndex &index) const
{
    if (!index.isValid() || index.row() == SegmentNumberRow)
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}

void SessionGridModel::followInserted(int first, int last)
{
    const QScopedValueRollback following(mFollowing, true);
    beginInsertColumns({}, first, last);
    mColumns += last - first + 1;
    endInsertColumns();
    numberFrom(last + 1);
}

void SessionGridModel::followRemoved(int first, int last)
{
    const QScopedValueRollback following(mFollowing, true);
    beginRemoveColumns({}, first, last);
    mColumns -= last - first + 1;
    endRemoveColumns();
    numberFrom(first);
}

void SessionGridModel::followCells(int first, int last)
{
    emit dataChanged(index(0, first), index(SessionGrid::RowCount - 1, last));
}

// Another session: the columns it lacks or adds go at the end, so that the
// selection stays on its column.
void SessionGridModel::followReplaced()
{
    const QScopedValueRollback following(mFollowing, true);
    const int wanted = mDocument.cells().columnCount();
    if (wanted > mColumns) {
        beginInsertColumns({}, mColumns, wanted - 1);
        mColumns = wanted;
        endInsertColumns();
    } else if (wanted < mColumns) {
        beginRemoveColumns({}, wanted, mColumns - 1);
        mColumns = wanted;
        endRemoveColumns();
    }
    if (mColumns > 0)
        emit dataChanged(index(0, 0), index(SessionGrid::RowCount - 1, mColumns - 1));
}

// The segments after an inserted or removed one are numbered anew.
void SessionGridModel::numberFrom(int column)
{
    if (column < mColumns)
        emit dataChanged(index(SegmentNumberRow, column), index(SegmentNumberRow, mColumns - 1));
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

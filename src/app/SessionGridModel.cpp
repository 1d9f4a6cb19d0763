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
    connect(&document, &SessionDocument::cellsChanged, this, &SessionGridModel::follow);
    connect(&document, &SessionDocument::segmentsInserted, this, &SessionGridModel::follow);
    connect(&document, &SessionDocument::segmentsRemoved, this, &SessionGridModel::follow);
    connect(&document, &SessionDocument::replaced, this, [this] { follow(0); });
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

void SessionGridModel::follow(int firstChanged)
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
    if (firstChanged < mColumns)
        emit dataChanged(index(0, firstChanged), index(SessionGrid::RowCount - 1, mColumns - 1));
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

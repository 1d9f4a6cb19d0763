#include "app/BedTableModel.h"

#include "core/session/SessionDocument.h"

#include <QFileInfo>

BedTableModel::BedTableModel(SessionDocument &document, QObject *parent)
    : QAbstractTableModel(parent)
    , mDocument(document)
{
    const auto reset = [this] {
        beginResetModel();
        endResetModel();
    };
    connect(&document, &SessionDocument::bedsChanged, this, reset);
    connect(&document, &SessionDocument::replaced, this, reset);
}

int BedTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(mDocument.session().beds.size());
}

int BedTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QString BedTableModel::soundName(const Bed &bed)
{
    switch (bed.kind) {
    case Bed::File:
        return QFileInfo(bed.path).fileName();
    case Bed::WhiteNoise:
        return tr("White noise");
    case Bed::PinkNoise:
        return tr("Pink noise");
    case Bed::BrownNoise:
        return tr("Brown noise");
    }
    return {};
}

QVariant BedTableModel::data(const QModelIndex &index, int role) const
{
    const auto &beds = mDocument.session().beds;
    if (!index.isValid() || size_t(index.row()) >= beds.size())
        return {};
    const Bed &bed = beds[size_t(index.row())];
    if (role == Qt::ToolTipRole && index.column() == SoundColumn && bed.kind == Bed::File)
        return bed.path;
    // A screen reader names the column too, and an empty cell by it alone.
    if (role == Qt::AccessibleTextRole) {
        const QString header = headerData(index.column(), Qt::Horizontal).toString();
        const QString shown = data(index).toString();
        return shown.isEmpty() ? header : tr("%1: %2").arg(header, shown);
    }
    if (role != Qt::DisplayRole)
        return {};
    switch (Column(index.column())) {
    case SoundColumn:
        return soundName(bed);
    case GainColumn:
        return bed.isNoise() ? tr("%1 dBFS").arg(bed.gain) : tr("%1 dB").arg(bed.gain);
    case StartColumn:
        return tr("%1 s").arg(bed.start);
    case LoopColumn:
        return bed.isNoise() ? QString() : bed.loop ? tr("Loops") : tr("Once");
    case ColumnCount:
        break;
    }
    return {};
}

QVariant BedTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return section + 1;
    switch (Column(section)) {
    case SoundColumn:
        return tr("Sound");
    case GainColumn:
        return tr("Level");
    case StartColumn:
        return tr("Start");
    case LoopColumn:
        return tr("Loop");
    case ColumnCount:
        break;
    }
    return {};
}

#pragma once

#include <QAbstractTableModel>

class SessionDocument;
struct Bed;

// The session's beds as a table: one row a bed, its sound, gain, start and
// whether it loops; it follows every change of the document.
class BedTableModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Column { SoundColumn, GainColumn, StartColumn, LoopColumn, ColumnCount };

    explicit BedTableModel(SessionDocument &document, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // "rain.flac", or "Pink noise".
    static QString soundName(const Bed &bed);

private:
    SessionDocument &mDocument;
};

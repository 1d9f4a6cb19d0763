#pragma once

#include <QAbstractTableModel>

struct Session;

// The session table's view of the session cells: row 0 is the fixed segment-number
// row, which can be neither selected nor edited.
class SessionGridModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    explicit SessionGridModel(const Session &session, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

    // Follows the store after a command: columns added or removed at the
    // end (so the selection stays on its column), then every cell refreshed.
    void syncWithSession();

    // The segment the preview plays, shaded in every row but the fixed one;
    // -1 for none. Only the shading changes: not the selection, not the cells.
    void setPlayingColumn(int column);
    int playingColumn() const { return mPlayingColumn; }

signals:
    // The cells were brought up to date with the store after a command.
    void synced();

private:
    void shadeColumn(int column);

    const Session &mSession;
    int mColumns;
    int mPlayingColumn = -1;
};

#pragma once

#include <QAbstractTableModel>

class SessionDocument;

// The session table's view of the session cells: row 0 is the fixed segment-number
// row, which can be neither selected nor edited.
class SessionGridModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    // Follows the document's every change.
    explicit SessionGridModel(const SessionDocument &document, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

    // True while the model follows a change: the current cell may move then,
    // though nobody moved it.
    bool isFollowing() const { return mFollowing; }

    // The segment the preview plays, shaded in every row but the fixed one;
    // -1 for none. Only the shading changes: not the selection, not the cells.
    void setPlayingColumn(int column);
    int playingColumn() const { return mPlayingColumn; }

    // A cell's segment and row as a screen reader names them: "Segment 3, Pitch".
    QString cellPlace(const QModelIndex &index) const;

private:
    void followInserted(int first, int last);
    void followRemoved(int first, int last);
    void followCells(int first, int last);
    void followReplaced();
    void numberFrom(int column);
    QString accessibleText(const QModelIndex &index) const;
    void shadeColumn(int column);

    const SessionDocument &mDocument;
    bool mFollowing = false;
    int mColumns;
    int mPlayingColumn = -1;
};

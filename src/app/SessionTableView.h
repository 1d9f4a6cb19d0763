#pragma once

#include <QTableView>

// The session table: a cell is edited after F2, Enter, a double-click, or a
// letter or digit typed on it (which starts the text). Tab in an editor
// applies and moves one cell right without editing there.
class SessionTableView : public QTableView
{
    Q_OBJECT
public:
    explicit SessionTableView(QWidget *parent);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    bool edit(const QModelIndex &index, EditTrigger trigger, QEvent *event) override;
    void closeEditor(QWidget *editor, QAbstractItemDelegate::EndEditHint hint) override;
    // A cell a command selects (no event) is the selection alone, whatever
    // keys are held, and Shift and an arrow extend from it.
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex &index,
                                                         const QEvent *event = nullptr) const override;
    // A screen reader hears the current cell again when its value changes
    // under it, as it hears a cell the cursor moves to.
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;
    void dataChanged(const QModelIndex &topLeft, const QModelIndex &bottomRight,
                     const QList<int> &roles = QList<int>()) override;

private:
    QString mCurrentText;
};

#pragma once

#include "app/SessionCellDelegate.h"
#include "core/session/Session.h"

class SessionEditor;

// Paints the session cells and edits them: an editor over the cell, wide
// enough to show what the typed text will become. The text goes to the
// session editor when the cell's editor ends with it; Escape drops it.
class CellEditDelegate : public SessionCellDelegate
{
    Q_OBJECT
public:
    CellEditDelegate(SessionEditor &editor, QObject *parent);

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override;
    void updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option,
                              const QModelIndex &index) const override;

protected:
    bool eventFilter(QObject *object, QEvent *event) override;

private:
    void finishEditing(QWidget *editor, EndEditHint hint);

    SessionEditor &mEditor;
};

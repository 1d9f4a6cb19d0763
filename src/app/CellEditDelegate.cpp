#include "app/CellEditDelegate.h"

#include "app/CellValueEditor.h"
#include "app/SessionGridModel.h"
#include "core/session/CommandError.h"
#include "core/session/SessionEditor.h"
#include "core/session/ValueStepping.h"

#include <QKeyEvent>

CellEditDelegate::CellEditDelegate(SessionEditor &editor, QObject *parent)
    : SessionCellDelegate(parent)
    , mEditor(editor)
{
}

QWidget *CellEditDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &, const QModelIndex &index) const
{
    const CellPos cell{index.column(), index.row()};
    const auto matcher = [&document = mEditor.document(), cell](const QString &text) -> ValueMatch {
        // The preview reads the loop rows as numbers; a bad one is told when applied.
        try {
            return matchValue(document.session(), cell, text);
        } catch (const CommandError &failure) {
            return {{}, failure.message()};
        }
    };
    auto *editor = new CellValueEditor(workingList(mEditor.session(), cell), matcher, parent);
    if (const auto *grid = qobject_cast<const SessionGridModel *>(index.model()))
        editor->setAccessibleName(grid->cellPlace(index));
    editor->setAccessibleDescription(index.data(Qt::AccessibleDescriptionRole).toString());
    // The editor reports back to the delegate that made it.
    auto *self = const_cast<CellEditDelegate *>(this);
    connect(editor, &CellValueEditor::submitted, self,
            [self, editor](EndEditHint hint) { self->finishEditing(editor, hint); });
    return editor;
}

void CellEditDelegate::finishEditing(QWidget *editor, EndEditHint hint)
{
    emit commitData(editor);
    emit closeEditor(editor, hint);
}

void CellEditDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    static_cast<CellValueEditor *>(editor)->setText(index.data().toString());
}

void CellEditDelegate::setModelData(QWidget *editor, QAbstractItemModel *, const QModelIndex &index) const
{
    mEditor.enterTypedValue({index.column(), index.row()}, static_cast<CellValueEditor *>(editor)->text());
}

void CellEditDelegate::updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option,
                                            const QModelIndex &) const
{
    editor->setGeometry(option.rect.adjusted(0, 0, static_cast<CellValueEditor *>(editor)->previewWidth(), 0));
}

bool CellEditDelegate::eventFilter(QObject *object, QEvent *event)
{
    // The editor ends itself on these keys.
    if (event->type() == QEvent::KeyPress && qobject_cast<CellValueEditor *>(object)) {
        switch (static_cast<QKeyEvent *>(event)->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            return false;
        default:
            break;
        }
    }
    return SessionCellDelegate::eventFilter(object, event);
}

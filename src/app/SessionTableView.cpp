#include "app/SessionTableView.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QTimer>

SessionTableView::SessionTableView(QWidget *parent)
    : QTableView(parent)
{
    setEditTriggers(DoubleClicked | EditKeyPressed | AnyKeyPressed);
}

void SessionTableView::keyPressEvent(QKeyEvent *event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && state() != EditingState
        && edit(currentIndex(), EditKeyPressed, event))
        return;
    QTableView::keyPressEvent(event);
}

bool SessionTableView::edit(const QModelIndex &index, EditTrigger trigger, QEvent *event)
{
    // Space, signs and punctuation keep their own meaning.
    if (trigger == AnyKeyPressed && event && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<const QKeyEvent *>(event);
        const QString text = key->text();
        if (text.isEmpty() || !text.front().isLetterOrNumber()
            || (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)))
            return false;
    }
    return QTableView::edit(index, trigger, event);
}

void SessionTableView::closeEditor(QWidget *editor, QAbstractItemDelegate::EndEditHint hint)
{
    const bool moves = hint == QAbstractItemDelegate::EditNextItem || hint == QAbstractItemDelegate::EditPreviousItem;
    QTableView::closeEditor(editor, moves ? QAbstractItemDelegate::NoHint : hint);
    if (!moves)
        return;
    // After the value is applied, which selects its cells again.
    const int offset = hint == QAbstractItemDelegate::EditNextItem ? 1 : -1;
    QTimer::singleShot(0, this, [this, offset] {
        const QModelIndex from = currentIndex();
        const QModelIndex to = model()->index(from.row(), from.column() + offset);
        if (to.isValid())
            selectionModel()->setCurrentIndex(to, QItemSelectionModel::ClearAndSelect);
    });
}

QItemSelectionModel::SelectionFlags SessionTableView::selectionCommand(const QModelIndex &index,
                                                                       const QEvent *event) const
{
    if (!event)
        return QItemSelectionModel::ClearAndSelect;
    return QTableView::selectionCommand(index, event);
}

void SessionTableView::currentChanged(const QModelIndex &current, const QModelIndex &previous)
{
    QTableView::currentChanged(current, previous);
    if (QAccessible::isActive())
        mCurrentText = current.data(Qt::AccessibleTextRole).toString();
}

void SessionTableView::dataChanged(const QModelIndex &topLeft, const QModelIndex &bottomRight,
                                   const QList<int> &roles)
{
    QTableView::dataChanged(topLeft, bottomRight, roles);
    const QModelIndex current = currentIndex();
    if (!QAccessible::isActive() || !current.isValid())
        return;
    const QString text = current.data(Qt::AccessibleTextRole).toString();
    if (text == mCurrentText)
        return;
    mCurrentText = text;
    QAccessibleInterface *table = QAccessible::queryAccessibleInterface(this);
    if (QAccessibleInterface *cell = table->tableInterface()->cellAt(current.row(), current.column())) {
        QAccessibleEvent event(cell, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&event);
    }
}

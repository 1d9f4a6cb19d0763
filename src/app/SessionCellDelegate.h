#pragma once

#include <QFont>
#include <QHash>
#include <QStaticText>
#include <QStyledItemDelegate>

// Paints a cell of the session table: its text on the row's background, in the
// highlight colours when selected. The styled delegate lays every text out
// anew at each paint, which made an edit of a long session miss its frame;
// the cell texts come from a few short lists, so their layouts are kept.
class SessionCellDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;

private:
    const QStaticText &laidOut(const QString &text, const QFont &font) const;

    mutable QHash<QString, QStaticText> mLayouts;
    mutable QFont mLayoutFont;
};

#include "app/SessionCellDelegate.h"

#include <QPainter>

namespace {
constexpr int TextMargin = 3;
// Texts read from files need not come from the lists; keep memory bounded.
constexpr qsizetype MaxLayouts = 4096;
} // namespace

void SessionCellDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    const bool selected = option.state & QStyle::State_Selected;
    const QBrush background =
        selected ? option.palette.brush(QPalette::Highlight) : index.data(Qt::BackgroundRole).value<QBrush>();
    if (background.style() != Qt::NoBrush)
        painter->fillRect(option.rect, background);

    const QString text = index.data(Qt::DisplayRole).toString();
    if (!text.isEmpty()) {
        const QVariant foreground = index.data(Qt::ForegroundRole);
        QColor color = option.palette.color(QPalette::Text);
        if (selected)
            color = option.palette.color(QPalette::HighlightedText);
        else if (foreground.isValid())
            color = foreground.value<QBrush>().color();
        const QStaticText &layout = laidOut(text, option.font);
        const QSizeF size = layout.size();
        const QRect &cell = option.rect;
        const bool centred = index.data(Qt::TextAlignmentRole).value<Qt::Alignment>() & Qt::AlignHCenter;
        const qreal x = centred ? cell.x() + (cell.width() - size.width()) / 2 : cell.x() + TextMargin;
        const qreal y = cell.y() + (cell.height() - size.height()) / 2;
        const bool overflows = size.width() + TextMargin > cell.width();
        painter->save();
        if (overflows)
            painter->setClipRect(cell);
        painter->setPen(color);
        painter->setFont(option.font);
        painter->drawStaticText(QPointF(overflows ? cell.x() + TextMargin : x, y), layout);
        painter->restore();
    }

    if (option.state & QStyle::State_HasFocus) {
        QStyleOptionFocusRect focus;
        focus.QStyleOption::operator=(option);
        focus.backgroundColor = background.color();
        // The frame shows after a click or a command too, not only after keys.
        focus.state |= QStyle::State_KeyboardFocusChange;
        const QStyle *style = option.widget ? option.widget->style() : nullptr;
        if (style)
            style->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, painter, option.widget);
    }
}

const QStaticText &SessionCellDelegate::laidOut(const QString &text, const QFont &font) const
{
    if (font != mLayoutFont || mLayouts.size() >= MaxLayouts) {
        mLayouts.clear();
        mLayoutFont = font;
    }
    auto found = mLayouts.find(text);
    if (found == mLayouts.end()) {
        QStaticText layout(text);
        layout.setTextFormat(Qt::PlainText);
        layout.prepare(QTransform(), font);
        found = mLayouts.insert(text, layout);
    }
    return *found;
}

#include "app/WindowPlacement.h"

#include <algorithm>
#include <limits>

namespace {
// The top left that keeps a window of size on screen, as near to wanted as can be.
QPoint keptOnScreen(QPoint wanted, const QSize &size, const QRect &screen)
{
    wanted.setX(std::max(screen.left(), std::min(wanted.x(), screen.right() + 1 - size.width())));
    wanted.setY(std::max(screen.top(), std::min(wanted.y(), screen.bottom() + 1 - size.height())));
    return wanted;
}
} // namespace

QPoint placeBeside(const QRect &anchor, const QSize &size, const QList<QRect> &avoid, const QRect &screen)
{
    const QPoint places[] = {
        {anchor.right() + 1, anchor.top()},
        {anchor.left() - size.width(), anchor.top()},
        {anchor.left(), anchor.bottom() + 1},
        {anchor.left(), anchor.top() - size.height()},
    };
    QPoint best;
    qint64 leastCovered = std::numeric_limits<qint64>::max();
    for (const QPoint &place : places) {
        const QPoint kept = keptOnScreen(place, size, screen);
        qint64 area = 0;
        for (const QRect &part : avoid) {
            const QRect covered = QRect(kept, size).intersected(part);
            area += covered.isEmpty() ? 0 : qint64(covered.width()) * covered.height();
        }
        if (area < leastCovered) {
            best = kept;
            leastCovered = area;
        }
        if (area == 0)
            break;
    }
    return best;
}

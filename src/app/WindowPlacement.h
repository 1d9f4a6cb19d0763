#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>

// Where a window of the given size goes beside anchor (right, left, below or
// above it, in that order of preference), kept on screen: the first place
// that covers nothing of the areas to avoid, or else the one that covers
// least of them.
QPoint placeBeside(const QRect &anchor, const QSize &size, const QList<QRect> &avoid, const QRect &screen);
inline QPoint placeBeside(const QRect &anchor, const QSize &size, const QRect &avoid, const QRect &screen)
{
    return placeBeside(anchor, size, QList<QRect>{avoid}, screen);
}

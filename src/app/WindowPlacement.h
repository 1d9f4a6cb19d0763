#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// Where a window of the given size goes beside anchor (right, left, below or
// above it, in that order of preference), kept on screen: the first place
// that covers nothing of avoid, or else the one that covers least of it.
QPoint placeBeside(const QRect &anchor, const QSize &size, const QRect &avoid, const QRect &screen);

#pragma once

#include <QImage>
#include <QSize>

class SessionGrid;

// The time graph of a session shrunk to size, for lists of sessions: drawn
// at twice the size and scaled down smoothly, so its lines stay visible. A
// null image when the graph cannot be drawn.
QImage sessionThumbnail(const SessionGrid &cells, int totalSeconds, QSize size);

#pragma once

#include "gui/graph/GraphGeometry.h"
#include "core/graph/GraphKind.h"

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QString>
#include <optional>

class QPainter;
struct GraphDrawing;

// The graph as a picture of its own: the drawing's bitmap with the frequency
// scale strip left of it and its units, as the graph window shows them.
namespace GraphPicture {
// Width of the strip left of the bitmap that holds the frequency scale.
constexpr int ScaleStripWidth = 30;
// Room under the bitmap for the unit of the minute ticks.
constexpr int UnitRowHeight = 16;

// The scale's ticks and labels in the painter's pen and font, "Hz" above the
// top label and, for the time graph, "min" under the baseline.
void paintScale(QPainter &painter, const QList<ScaleTick> &ticks, int baseline, GraphKind mode);

// The picture as pixels; null when the drawing made no bitmap or the picture
// is too large to allocate.
QImage image(const GraphDrawing &drawing, const GraphGeometry &geometry, GraphKind mode);
// The picture as an SVG document, lines and texts as vectors.
QByteArray svg(const GraphDrawing &drawing, const GraphGeometry &geometry, GraphKind mode, const QString &title);
QByteArray png(const QImage &image);

// Writes the picture as SVG when the path ends in ".svg" (any case), else as
// PNG; an existing file is replaced only by a complete new one. The reason
// for the user when that failed.
std::optional<QString> save(const QString &path, const GraphDrawing &drawing, const GraphGeometry &geometry,
                            GraphKind mode, const QString &title);
} // namespace GraphPicture

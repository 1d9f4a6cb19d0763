#pragma once

#include "gui/graph/GraphGeometry.h"

#include <QFont>
#include <QImage>
#include <QString>

class QPainter;
#include <vector>

// The bitmap of one drawing, recorded as the lines and texts drawn on it over
// the frequency bands and the baseline, and painted on demand: the whole of
// it, or only the part a window shows or a file writer takes next.
//
// A segment graph can be 30001 pixels wide. The picture only ever holds
// eight colours, so it is painted as an 8-bit indexed image (a quarter of
// 32-bit colour), in strips of 32-bit colour, each turned into indexes as
// soon as it is done. Texts are drawn without antialiasing, so that no
// colour other than the eight appears.
class GraphCanvas
{
public:
    static constexpr int DefaultStripWidth = 1024;

    GraphCanvas(const GraphGeometry &geometry, int width);

    int width() const { return mWidth; }
    int height() const { return mGeometry.bitmapHeight(); }

    // A black line of one pixel, both ends included.
    void line(int x1, int y1, int x2, int y2);
    // Black text on an opaque white box whose top-left corner is (x, y).
    void text(int x, int y, const QString &text);

    // Blank (white), the bands, the baseline, then everything in the order it
    // was drawn. A null image when the bitmap is too large to allocate.
    QImage paint(int stripWidth = DefaultStripWidth) const;
    // The part of the bitmap inside area (within the bitmap), the same
    // pixels as the whole bitmap has there.
    QImage paint(const QRect &area, int stripWidth = DefaultStripWidth) const;
    // The colours of the indexed images, white first.
    QList<QRgb> colourTable() const;

    // The same picture drawn with the painter's own resolution, for screens
    // of more than one pixel per logical pixel and for vector files: only
    // what meets area (in bitmap coordinates) is drawn.
    void draw(QPainter &painter, const QRect &area) const;

    // The font of segment numbers and minute labels.
    static QFont labelFont();

private:
    struct Mark
    {
        QPoint from;
        QPoint to;
        QString text; // empty for a line from "from" to "to"
        int left;
        int right;
    };

    void paintStrip(QImage &strip, QPoint topLeft) const;

    GraphGeometry mGeometry;
    int mWidth;
    QFont mFont;
    int mAscent;
    std::vector<Mark> mMarks;
};

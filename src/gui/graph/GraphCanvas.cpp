#include "gui/graph/GraphCanvas.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace {
// Every colour the graph uses: white first, so that a blank bitmap is white.
QList<QRgb> graphColourTable(const GraphGeometry &geometry)
{
    QList<QRgb> table{qRgb(255, 255, 255), qRgb(0, 0, 0)};
    for (const GraphBand &band : geometry.bands()) {
        if (!table.contains(band.colour.rgb()))
            table.append(band.colour.rgb());
    }
    return table;
}

// Nearest entry of the table, for a pixel that is not one of its colours.
int nearestColourIndex(const QList<QRgb> &table, QRgb pixel)
{
    int best = 0;
    int bestDistance = INT_MAX;
    for (int i = 0; i < table.size(); ++i) {
        const int dr = qRed(pixel) - qRed(table[i]);
        const int dg = qGreen(pixel) - qGreen(table[i]);
        const int db = qBlue(pixel) - qBlue(table[i]);
        const int distance = dr * dr + dg * dg + db * db;
        if (distance < bestDistance) {
            bestDistance = distance;
            best = i;
        }
    }
    return best;
}

// n / d rounded to the nearest integer, halves upwards; d > 0.
qint64 roundedQuotient(qint64 n, qint64 d)
{
    const qint64 twice = 2 * n + d;
    const qint64 q = twice / (2 * d);
    return (twice % (2 * d) < 0) ? q - 1 : q;
}

// A one-pixel black line, both ends included, on the part of the bitmap the
// strip holds (its top-left corner at topLeft). Each pixel is a closed
// function of the line alone, so a line crossing strips is the same line in
// every strip; lines far outside the bitmap cost no more than its size.
void plotLine(QImage &strip, QPoint topLeft, QPoint from, QPoint to)
{
    const int left = topLeft.x();
    const int right = left + strip.width() - 1;
    const int top = topLeft.y();
    const int bottom = top + strip.height() - 1;
    const auto plot = [&](qint64 x, qint64 y) {
        if (x >= left && x <= right && y >= top && y <= bottom)
            reinterpret_cast<QRgb *>(strip.scanLine(int(y - top)))[x - left] = qRgb(0, 0, 0);
    };
    if (std::abs(qint64(to.x()) - from.x()) >= std::abs(qint64(to.y()) - from.y())) {
        if (to.x() < from.x())
            std::swap(from, to);
        const qint64 dx = qint64(to.x()) - from.x();
        const qint64 dy = qint64(to.y()) - from.y();
        for (qint64 x = std::max(from.x(), left); x <= std::min(to.x(), right); ++x)
            plot(x, from.y() + (dx == 0 ? 0 : roundedQuotient((x - from.x()) * dy, dx)));
    } else {
        if (to.y() < from.y())
            std::swap(from, to);
        const qint64 dx = qint64(to.x()) - from.x();
        const qint64 dy = qint64(to.y()) - from.y();
        for (qint64 y = std::max(from.y(), top); y <= std::min(to.y(), bottom); ++y)
            plot(from.x() + roundedQuotient((y - from.y()) * dx, dy), y);
    }
}
} // namespace

GraphCanvas::GraphCanvas(const GraphGeometry &geometry, int width)
    : mGeometry(geometry)
    , mWidth(std::max(width, 1))
    , mFont(labelFont())
    , mAscent(QFontMetrics(mFont).ascent())
{
}

QFont GraphCanvas::labelFont()
{
    QFont font;
    font.setPixelSize(11);
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

void GraphCanvas::line(int x1, int y1, int x2, int y2)
{
    mMarks.push_back({QPoint(x1, y1), QPoint(x2, y2), QString(), std::min(x1, x2), std::max(x1, x2)});
}

void GraphCanvas::text(int x, int y, const QString &text)
{
    const int width = QFontMetrics(mFont).horizontalAdvance(text);
    mMarks.push_back({QPoint(x, y), QPoint(), text, x - 1, x + width + 1});
}

void GraphCanvas::paintStrip(QImage &strip, QPoint topLeft) const
{
    strip.fill(Qt::white);
    QPainter painter(&strip);
    painter.translate(-topLeft);
    for (const GraphBand &band : mGeometry.bands()) {
        painter.setPen(QPen(band.colour, band.penWidth));
        painter.drawLine(0, band.centreY, mWidth, band.centreY);
    }
    plotLine(strip, topLeft, QPoint(0, mGeometry.baseline), QPoint(mWidth, mGeometry.baseline));

    painter.setPen(Qt::black);
    painter.setFont(mFont);
    painter.setBackgroundMode(Qt::OpaqueMode);
    painter.setBackground(Qt::white);
    const int left = topLeft.x();
    const int right = left + strip.width();
    for (const Mark &mark : mMarks) {
        if (mark.right < left || mark.left >= right)
            continue;
        if (mark.text.isEmpty())
            plotLine(strip, topLeft, mark.from, mark.to);
        else
            painter.drawText(mark.from.x(), mark.from.y() + mAscent, mark.text);
    }
}

QList<QRgb> GraphCanvas::colourTable() const
{
    return graphColourTable(mGeometry);
}

void GraphCanvas::draw(QPainter &painter, const QRect &area) const
{
    painter.save();
    painter.setClipRect(area);
    painter.fillRect(QRect(0, 0, mWidth, height()), Qt::white);
    for (const GraphBand &band : mGeometry.bands())
        painter.fillRect(QRect(0, band.centreY - band.penWidth / 2, mWidth, band.penWidth), band.colour);
    // A square cap of one pixel through the pixel centres covers the same
    // pixels as the bitmap's lines, both ends included.
    painter.setPen(QPen(Qt::black, 1, Qt::SolidLine, Qt::SquareCap));
    const QPointF centre(0.5, 0.5);
    painter.drawLine(QPointF(0, mGeometry.baseline) + centre, QPointF(mWidth - 1, mGeometry.baseline) + centre);
    QFont font = mFont;
    font.setStyleStrategy(QFont::PreferDefault);
    painter.setFont(font);
    const QFontMetrics metrics(font);
    for (const Mark &mark : mMarks) {
        if (mark.right < area.left() || mark.left > area.right())
            continue;
        if (mark.text.isEmpty()) {
            painter.drawLine(QPointF(mark.from) + centre, QPointF(mark.to) + centre);
        } else {
            painter.fillRect(QRect(mark.from, QSize(metrics.horizontalAdvance(mark.text), metrics.height())),
                             Qt::white);
            painter.drawText(QPoint(mark.from.x(), mark.from.y() + metrics.ascent()), mark.text);
        }
    }
    painter.restore();
}

QImage GraphCanvas::paint(int stripWidth) const
{
    return paint(QRect(0, 0, mWidth, height()), stripWidth);
}

QImage GraphCanvas::paint(const QRect &area, int stripWidth) const
{
    QImage bitmap(area.size(), QImage::Format_Indexed8);
    if (bitmap.isNull())
        return bitmap;
    const QList<QRgb> table = colourTable();
    bitmap.setColorTable(table);

    QImage strip(std::min(stripWidth, area.width()), area.height(), QImage::Format_RGB32);
    if (strip.isNull())
        return QImage();
    for (int left = 0; left < area.width(); left += strip.width()) {
        paintStrip(strip, area.topLeft() + QPoint(left, 0));
        const int columns = std::min(strip.width(), area.width() - left);
        // Neighbouring pixels nearly always share their colour.
        QRgb lastPixel = table.first();
        uchar lastIndex = 0;
        for (int y = 0; y < strip.height(); ++y) {
            const auto *source = reinterpret_cast<const QRgb *>(strip.constScanLine(y));
            uchar *target = bitmap.scanLine(y) + left;
            for (int x = 0; x < columns;) {
                const QRgb pixel = source[x];
                if (pixel != lastPixel) {
                    lastPixel = pixel;
                    const int exact = table.indexOf(pixel | 0xff000000u);
                    lastIndex = uchar(exact >= 0 ? exact : nearestColourIndex(table, pixel));
                }
                // A run of one colour is stored at once.
                // Four pixels a step first: one branch instead of four.
                int end = x + 1;
                while (end + 4 <= columns
                       && ((source[end] ^ pixel) | (source[end + 1] ^ pixel) | (source[end + 2] ^ pixel)
                           | (source[end + 3] ^ pixel)) == 0)
                    end += 4;
                while (end < columns && source[end] == pixel)
                    ++end;
                std::memset(target + x, lastIndex, size_t(end - x));
                x = end;
            }
        }
    }
    return bitmap;
}

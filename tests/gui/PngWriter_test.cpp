#include "DefaultSegments.h"

#include "gui/graph/GraphDrawing.h"
#include "gui/graph/GraphPicture.h"
#include "gui/graph/PngWriter.h"
#include "gui/timeline/TimelinePicture.h"

#include <QBuffer>
#include <QImageWriter>
#include <QPainter>
#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {
// What Qt's own writer makes of the image, at the level the pictures had.
QByteArray qtPng(const QImage &image)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    writer.setCompression(11);
    return writer.write(image) ? buffer.data() : QByteArray();
}

QImage decoded(const QByteArray &png)
{
    return QImage::fromData(png, "png").convertToFormat(QImage::Format_ARGB32);
}

QImage translucent()
{
    QImage image(37, 21, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(QColor(200, 30, 90, 120));
    painter.drawEllipse(2, 2, 30, 15);
    return image;
}
} // namespace

TEST(PngWriter, DecodesToThePixelsOfQtsWriter)
{
    const Session session = sessionOfDefaultSegments(PulsedSession, 4);
    const GraphGeometry geometry(500, 300);
    const GraphDrawing segments = drawGraph(session.cells, GraphKind::Segment, u"s"_s, 240, 500, 300);
    const GraphDrawing time = drawGraph(session.cells, GraphKind::Time, u"s"_s, 240, 500, 300);
    QImage single(1, 1, QImage::Format_RGB32);
    single.fill(QColor(1, 2, 3));
    const struct {
        const char *name;
        QImage image;
    } cases[] = {
        {"timeline", TimelinePicture::image(session, 640, 200)},
        {"segment graph with its scale", GraphPicture::image(segments, geometry, GraphKind::Segment)},
        {"time graph's bitmap", time.bitmap},
        {"translucent", translucent()},
        {"one pixel", single},
        {"another format", TimelinePicture::image(session, 300, 100).convertToFormat(QImage::Format_RGB888)},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_FALSE(c.image.isNull());
        const QImage ours = decoded(PngWriter::png(c.image));
        ASSERT_FALSE(ours.isNull());
        EXPECT_EQ(ours, decoded(qtPng(c.image)));
    }
}

namespace {
// Indices of `colours` colours, changing along rows and columns in an
// uneven pattern, so that every place in a packed byte is met.
QImage indexed(int width, int height, int colours)
{
    QImage image(width, height, QImage::Format_Indexed8);
    QList<QRgb> table;
    for (int i = 0; i < colours; ++i)
        table.append(qRgb(i * 7 % 256, 255 - i, i * 31 % 256));
    image.setColorTable(table);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            image.scanLine(y)[x] = uchar((x * 5 + y * 3 + x * y / 7) % colours);
    }
    return image;
}
} // namespace

TEST(PngWriter, BandsOfPaletteIndicesMakeTheWholePicture)
{
    const Session session = sessionOfDefaultSegments(PulsedSession, 3);
    const struct {
        const char *name;
        QImage whole;
    } cases[] = {
        {"segment graph", drawGraph(session.cells, GraphKind::Segment, u"s"_s, 180, 400, 250).bitmap},
        {"two colours, one bit", indexed(37, 9, 2)},
        {"four colours, two bits", indexed(35, 9, 4)},
        {"sixteen colours, four bits", indexed(33, 9, 16)},
        {"seventeen colours, a byte", indexed(31, 9, 17)},
        {"one pixel wide", indexed(1, 5, 3)},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_EQ(c.whole.format(), QImage::Format_Indexed8);
        PngWriter banded(c.whole.size(), c.whole.colorTable());
        for (int top = 0; top < c.whole.height(); top += 4)
            ASSERT_TRUE(banded.addRows(c.whole.copy(0, top, c.whole.width(), std::min(4, c.whole.height() - top))));
        EXPECT_EQ(decoded(banded.finish()), decoded(qtPng(c.whole)));
    }
}

TEST(PngWriter, NothingAfterAFailure)
{
    PngWriter failed(QSize(10, 10), QList<QRgb>{qRgb(0, 0, 0), qRgb(255, 255, 255)});
    EXPECT_FALSE(failed.addRows(QImage()));
    EXPECT_FALSE(failed.addRows(indexed(10, 10, 2)));
    EXPECT_TRUE(failed.finish().isEmpty());
}

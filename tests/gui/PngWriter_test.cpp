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

TEST(PngWriter, BandsMakeTheWholePictureAndNothingAfterAFailure)
{
    const Session session = sessionOfDefaultSegments(PulsedSession, 3);
    const QImage whole = drawGraph(session.cells, GraphKind::Segment, u"s"_s, 180, 400, 250).bitmap;
    ASSERT_EQ(whole.format(), QImage::Format_Indexed8);
    PngWriter banded(whole.size(), whole.colorTable());
    for (int top = 0; top < whole.height(); top += 7)
        ASSERT_TRUE(banded.addRows(whole.copy(0, top, whole.width(), std::min(7, whole.height() - top))));
    EXPECT_EQ(decoded(banded.finish()), decoded(qtPng(whole)));

    PngWriter failed(whole.size(), whole.colorTable());
    EXPECT_FALSE(failed.addRows(QImage()));
    EXPECT_TRUE(failed.finish().isEmpty());
}

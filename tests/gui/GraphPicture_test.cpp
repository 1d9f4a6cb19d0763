#include "DefaultSegments.h"
#include "TestSupport.h"

#include "gui/graph/GraphCanvas.h"
#include "gui/graph/GraphDrawing.h"
#include "gui/graph/GraphPicture.h"

#include <QPainter>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {
constexpr int Strip = GraphPicture::ScaleStripWidth;

Session rampSession()
{
    Session session = sessionOfDefaultSegments(PulsedSession, 3);
    session.cells.setCell(0, TargetFreqRow, u"20.0"_s);
    session.cells.setCell(2, StartFreqRow, u"2.0"_s);
    return session;
}

struct Drawn
{
    GraphKind mode;
    GraphGeometry geometry;
    GraphDrawing drawing;
};

Drawn draw(GraphKind mode)
{
    const Session session = rampSession();
    const GraphGeometry geometry(600, 450);
    return {mode, geometry, drawGraph(session.cells, mode, u"ramp"_s, 300, geometry.width, geometry.height)};
}

bool dark(QRgb pixel)
{
    return qGray(pixel) < 96;
}

// A one-pixel line drawn with antialiasing may be half a pixel off.
bool inked(QRgb pixel)
{
    return qGray(pixel) < 192;
}
} // namespace

// The picture is the bitmap unchanged, right of a strip with the scale's
// ticks; the SVG draws the same picture.
TEST(GraphPicture, BitmapBesideTheScaleAsPixelsAndAsVectors)
{
    for (const GraphKind mode : {GraphKind::Segment, GraphKind::Time}) {
        SCOPED_TRACE(int(mode));
        const Drawn drawn = draw(mode);
        const QImage &bitmap = drawn.drawing.bitmap;
        const QImage picture = GraphPicture::image(drawn.drawing, drawn.geometry, mode);
        ASSERT_EQ(picture.size(), QSize(bitmap.width() + Strip, bitmap.height() + GraphPicture::UnitRowHeight));
        EXPECT_EQ(picture.copy(Strip, 0, bitmap.width(), bitmap.height()),
                  bitmap.convertToFormat(QImage::Format_RGB32));
        for (const ScaleTick &tick : drawn.geometry.frequencyScale())
            EXPECT_TRUE(dark(picture.pixel(20, tick.tick.y1()))) << tick.label;

        QSvgRenderer svg(GraphPicture::svg(drawn.drawing, drawn.geometry, mode, u"ramp"_s));
        ASSERT_TRUE(svg.isValid());
        EXPECT_EQ(svg.viewBox().size(), picture.size());
        QImage rendered(picture.size(), QImage::Format_RGB32);
        rendered.fill(Qt::black);
        QPainter painter(&rendered);
        svg.render(&painter);
        painter.end();
        // Band colours away from the lines, and the baseline.
        for (const GraphBand &band : drawn.geometry.bands())
            EXPECT_EQ(rendered.pixel(picture.width() - 2, band.centreY), band.colour.rgb());
        EXPECT_TRUE(inked(rendered.pixel(Strip + bitmap.width() / 2, drawn.geometry.baseline)));
        for (const ScaleTick &tick : drawn.geometry.frequencyScale())
            EXPECT_TRUE(inked(rendered.pixel(20, tick.tick.y1()))) << tick.label;
    }
}

// Drawn again at twice the resolution, every line pixel of the bitmap is a
// line pixel there too.
TEST(GraphPicture, CanvasRedrawnAtDoubleResolutionKeepsTheLines)
{
    const Drawn drawn = draw(GraphKind::Segment);
    const QImage &bitmap = drawn.drawing.bitmap;
    QImage sharp(bitmap.size() * 2, QImage::Format_RGB32);
    sharp.setDevicePixelRatio(2);
    QPainter painter(&sharp);
    drawn.drawing.canvas->draw(painter, bitmap.rect());
    painter.end();
    int lines = 0;
    for (int y = 0; y < drawn.geometry.baseline; ++y) {
        for (int x = 0; x < bitmap.width(); ++x) {
            if (bitmap.pixel(x, y) != qRgb(0, 0, 0) || x % 7 != 0)
                continue;
            ++lines;
            const QRgb doubled = sharp.pixel(2 * x + 1, 2 * y + 1);
            EXPECT_TRUE(dark(doubled) || dark(sharp.pixel(2 * x, 2 * y))) << x << "," << y;
        }
    }
    EXPECT_GT(lines, 10);
}

// A picture that cannot be written leaves the file of that name as it was.
TEST(GraphPicture, SavesByTheNameAndFailsWithoutHarm)
{
    const Drawn drawn = draw(GraphKind::Segment);
    QTemporaryDir dir;
    const QString png = dir.filePath(u"graph.png"_s);
    EXPECT_FALSE(GraphPicture::save(png, drawn.drawing, drawn.geometry, drawn.mode, u"t"_s));
    EXPECT_FALSE(QImage(png).isNull());
    const QString svg = dir.filePath(u"graph.SVG"_s);
    EXPECT_FALSE(GraphPicture::save(svg, drawn.drawing, drawn.geometry, drawn.mode, u"t"_s));
    EXPECT_TRUE(readFileBytes(svg).startsWith("<?xml"));

    const QString blocked = dir.filePath(u"missing/graph.png"_s);
    const auto failure = GraphPicture::save(blocked, drawn.drawing, drawn.geometry, drawn.mode, u"t"_s);
    ASSERT_TRUE(failure);
    EXPECT_TRUE(failure->contains(blocked)) << *failure;

    writeFileBytes(png, "old");
    const GraphDrawing failed; // a drawing stopped by a bad time text
    EXPECT_TRUE(GraphPicture::save(png, failed, drawn.geometry, drawn.mode, u"t"_s));
    EXPECT_EQ(readFileBytes(png), "old");
}

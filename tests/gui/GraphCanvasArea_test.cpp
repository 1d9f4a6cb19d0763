// The window and the file writer paint a graph part by part: every part must
// be that part of the whole picture.
#include "gui/graph/GraphCanvas.h"

#include <gtest/gtest.h>

TEST(GraphCanvasArea, APaintedAreaIsThatPartOfTheWholePicture)
{
    const GraphGeometry geometry(1000, 450);
    GraphCanvas canvas(geometry, 3001);
    for (int n = 0; n < 100; ++n) {
        canvas.line(n * 30, (n * 37) % 400, n * 30 + 30, (n * 91) % 420 - 5);
        canvas.text(n * 30 - 7, geometry.baseline - 20 - (n % 7) * 40, QString::number(n * 1001));
    }
    canvas.line(-50, 10, 3050, 400);
    canvas.line(100, -1000000, 130, 300);
    const QImage whole = canvas.paint();
    ASSERT_FALSE(whole.isNull());
    const QRect areas[] = {QRect(0, 0, 3001, canvas.height()), QRect(0, 0, 994, canvas.height()),
                           QRect(2017, 0, 984, canvas.height()), QRect(0, 100, 3001, 37),
                           QRect(1500, 390, 700, canvas.height() - 390), QRect(29, 283, 1, 1)};
    for (const QRect &area : areas) {
        for (int stripWidth : {64, GraphCanvas::DefaultStripWidth}) {
            const QImage part = canvas.paint(area, stripWidth);
            ASSERT_EQ(part.size(), area.size());
            EXPECT_EQ(part.colorTable(), whole.colorTable());
            EXPECT_EQ(part, whole.copy(area)) << area.x() << "," << area.y() << " " << area.width() << "x"
                                              << area.height() << " in strips of " << stripWidth;
        }
    }
}

// The graph view paints only what is exposed: whatever part of a wide graph
// the scroll box shows is that part of the whole picture.
#include "gui/graph/GraphCanvas.h"
#include "app/windows/GraphImage.h"

#include <QScrollArea>
#include <QScrollBar>
#include <gtest/gtest.h>

TEST(GraphImage, ScrollingShowsThatPartOfTheWholePicture)
{
    const GraphGeometry geometry(400, 300);
    auto canvas = std::make_shared<GraphCanvas>(geometry, 5001);
    for (int n = 1; n <= 50; ++n) {
        canvas->line(n * 100, geometry.baseline, n * 100, geometry.baseline - 10);
        canvas->text(n * 100 - 50, geometry.baseline - 30, QString::number(n));
        canvas->line((n - 1) * 100, geometry.frequencyY(n), n * 100, geometry.frequencyY(200 - n));
    }
    const QImage whole = canvas->paint().convertToFormat(QImage::Format_RGB32);

    QScrollArea box;
    box.resize(400, canvas->height() + 30);
    auto *view = new GraphImage;
    view->setCanvas(canvas);
    box.setWidget(view);
    box.show();
    EXPECT_EQ(view->size(), QSize(5001, canvas->height()));
    for (int left : {0, 1234, 4601}) {
        box.horizontalScrollBar()->setValue(left);
        const QRect shown(-view->x(), 0, box.viewport()->width(), canvas->height());
        EXPECT_EQ(view->grab(shown).toImage().convertToFormat(QImage::Format_RGB32), whole.copy(shown)) << left;
    }
}

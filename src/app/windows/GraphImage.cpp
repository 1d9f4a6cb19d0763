#include "app/windows/GraphImage.h"

#include "gui/graph/GraphCanvas.h"

#include <QPaintEvent>
#include <QPainter>

GraphImage::GraphImage(QWidget *parent)
    : QLabel(parent)
{
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void GraphImage::setCanvas(std::shared_ptr<const GraphCanvas> canvas)
{
    mCanvas = std::move(canvas);
    if (mCanvas)
        resize(mCanvas->width(), mCanvas->height());
    update();
}

void GraphImage::paintEvent(QPaintEvent *event)
{
    if (!mCanvas) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    if (devicePixelRatioF() > 1.0) {
        mCanvas->draw(painter, event->rect());
        return;
    }
    const QRect area = event->rect() & QRect(0, 0, mCanvas->width(), mCanvas->height());
    if (!area.isEmpty())
        painter.drawImage(area.topLeft(), mCanvas->paint(area));
}

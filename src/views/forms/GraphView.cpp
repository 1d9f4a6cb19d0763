#include "views/forms/GraphView.h"

#include "views/GraphCanvas.h"

#include <QPaintEvent>
#include <QPainter>

void GraphView::setCanvas(std::shared_ptr<const GraphCanvas> canvas)
{
    mCanvas = std::move(canvas);
    if (mCanvas)
        resize(mCanvas->width(), mCanvas->height());
    update();
}

void GraphView::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    if (!mCanvas)
        return;
    const QRect area = event->rect() & QRect(0, 0, mCanvas->width(), mCanvas->height());
    if (area.isEmpty())
        return;
    QPainter painter(this);
    painter.drawImage(area.topLeft(), mCanvas->paint(area));
}

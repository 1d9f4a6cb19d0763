#include "views/forms/GraphImage.h"

#include "views/GraphCanvas.h"

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
    update();
}

void GraphImage::paintEvent(QPaintEvent *event)
{
    if (!mCanvas || pixmap().isNull() || devicePixelRatioF() <= 1.0) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    mCanvas->draw(painter, event->rect());
}

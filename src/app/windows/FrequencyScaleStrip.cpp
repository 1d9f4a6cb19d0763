#include "app/windows/FrequencyScaleStrip.h"

#include "gui/graph/GraphPicture.h"

#include <QPainter>

FrequencyScaleStrip::FrequencyScaleStrip(QWidget *parent)
    : QWidget(parent)
{
}

void FrequencyScaleStrip::setTicks(const QList<ScaleTick> &ticks)
{
    mTicks = ticks;
    update();
}

void FrequencyScaleStrip::setAxis(int baseline, GraphKind mode)
{
    mBaseline = baseline;
    mMode = mode;
    update();
}

void FrequencyScaleStrip::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(Qt::black);
    GraphPicture::paintScale(painter, mTicks, mBaseline, mMode);
}

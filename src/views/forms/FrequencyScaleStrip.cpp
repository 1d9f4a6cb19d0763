#include "views/forms/FrequencyScaleStrip.h"

#include <QFontMetrics>
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

void FrequencyScaleStrip::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(Qt::black);
    const int ascent = QFontMetrics(font()).ascent();
    for (const ScaleTick &tick : std::as_const(mTicks)) {
        painter.drawLine(tick.tick);
        painter.drawText(tick.labelTopLeft + QPoint(0, ascent), tick.label);
    }
}

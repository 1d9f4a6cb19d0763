#include "views/forms/GraphLegend.h"

#include "views/GraphGeometry.h"

#include <QPainter>

using namespace Qt::Literals::StringLiterals;

namespace {
constexpr int Swatch = 12;
constexpr int Gap = 4;
constexpr int Spacing = 10;
} // namespace

GraphLegend::GraphLegend(QWidget *parent)
    : QWidget(parent)
{
    QStringList lines;
    for (const FrequencyBand &band : frequencyBands())
        lines.append(u"%1: %2 to %3 Hz"_s.arg(band.name).arg(band.fromHertz).arg(band.toHertz));
    setToolTip(u"Frequency bands of the graph\n"_s + lines.join(u'\n'));
}

void GraphLegend::fitInto(int width)
{
    const bool compact = widthOf(entries(false)) > width;
    if (compact == mCompact)
        return;
    mCompact = compact;
    updateGeometry();
    update();
}

QStringList GraphLegend::entries(bool compact) const
{
    QStringList texts;
    for (const FrequencyBand &band : frequencyBands())
        texts.append(compact ? band.name : u"%1 %2–%3"_s.arg(band.name).arg(band.fromHertz).arg(band.toHertz));
    if (!compact)
        texts.last() += u" Hz"_s;
    return texts;
}

int GraphLegend::widthOf(const QStringList &entries) const
{
    int width = 0;
    for (const QString &text : entries)
        width += Swatch + Gap + fontMetrics().horizontalAdvance(text) + Spacing;
    return width;
}

QSize GraphLegend::sizeHint() const
{
    return {widthOf(entries(mCompact)), std::max(Swatch, fontMetrics().height())};
}

void GraphLegend::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QStringList texts = entries(mCompact);
    const int swatchTop = (height() - Swatch) / 2;
    int x = 0;
    for (qsizetype i = 0; i < texts.size(); ++i) {
        painter.setPen(Qt::black);
        painter.setBrush(frequencyBands().at(i).colour);
        painter.drawRect(x, swatchTop, Swatch - 1, Swatch - 1);
        x += Swatch + Gap;
        const int width = fontMetrics().horizontalAdvance(texts.at(i));
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(QRect(x, 0, width, height()), Qt::AlignVCenter, texts.at(i));
        x += width + Spacing;
    }
}

#include "app/windows/GraphLegend.h"

#include "gui/graph/GraphGeometry.h"

#include <QPainter>

using namespace Qt::Literals::StringLiterals;

namespace {
constexpr int Swatch = 12;
constexpr int Gap = 4;
constexpr int Spacing = 10;

QString bandName(const FrequencyBand &band)
{
    return QCoreApplication::translate("FrequencyBand", band.name);
}
} // namespace

GraphLegend::GraphLegend(QWidget *parent)
    : QWidget(parent)
{
    QStringList lines;
    for (const FrequencyBand &band : frequencyBands())
        lines.append(tr("%1: %2 to %3 Hz").arg(bandName(band)).arg(band.fromHertz).arg(band.toHertz));
    setToolTip(tr("Frequency bands of the graph\n") + lines.join(u'\n'));
    setAccessibleName(tr("Frequency bands"));
}

void GraphLegend::fitInto(int width)
{
    Detail detail = Letters;
    for (const Detail more : {NamesAndRanges, Names}) {
        if (widthOf(entries(more)) <= width) {
            detail = more;
            break;
        }
    }
    if (detail == mDetail)
        return;
    mDetail = detail;
    updateGeometry();
    update();
}

QStringList GraphLegend::entries(Detail detail) const
{
    static const QStringList letters{u"\u03b4"_s, u"\u03b8"_s, u"\u03b1"_s,
                                     u"lo \u03b2"_s, u"hi \u03b2"_s, u"\u03b3"_s};
    QStringList texts;
    for (qsizetype i = 0; i < frequencyBands().size(); ++i) {
        const FrequencyBand &band = frequencyBands().at(i);
        if (detail == NamesAndRanges)
            texts.append(u"%1 %2\u2013%3"_s.arg(bandName(band)).arg(band.fromHertz).arg(band.toHertz));
        else
            texts.append(detail == Names ? bandName(band) : letters.at(i));
    }
    if (detail == NamesAndRanges)
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
    return {widthOf(entries(mDetail)), std::max(Swatch, fontMetrics().height())};
}

void GraphLegend::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QStringList texts = entries(mDetail);
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

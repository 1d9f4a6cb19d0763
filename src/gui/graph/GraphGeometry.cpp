#include "gui/graph/GraphGeometry.h"

using namespace Qt::Literals::StringLiterals;

GraphGeometry::GraphGeometry(int width, int height)
    : width(width)
    , height(height)
    , unit(height / 45)
    , topOffset(unit / 4)
    , baseline(41 * unit + topOffset)
{
}

int GraphGeometry::frequencyY(int quarterHertz) const
{
    int b;
    if (quarterHertz > 80)
        b = 42 - quarterHertz / 4;
    else if (quarterHertz > 40)
        b = 62 - quarterHertz / 2;
    else
        b = 82 - quarterHertz;
    return (b * unit) / 2 + topOffset;
}

QList<ScaleTick> GraphGeometry::frequencyScale() const
{
    struct Mark
    {
        int quarterHertz;
        QString label;
    };
    const Mark marks[] = {{160, u"40"_s}, {80, u"20"_s}, {40, u"10"_s}, {20, u"5"_s}, {4, u"1"_s}};
    QList<ScaleTick> ticks;
    for (const Mark &mark : marks) {
        const int y = frequencyY(mark.quarterHertz);
        ticks.append({QLine(10, y, 30, y), QPoint(5, y + 5), mark.label});
    }
    return ticks;
}

const QList<FrequencyBand> &frequencyBands()
{
    static const QList<FrequencyBand> bands{
        {0, 3, QColor(0, 255, 255), QT_TRANSLATE_NOOP("FrequencyBand", "Delta")},
        {3, 7, QColor(255, 255, 255), QT_TRANSLATE_NOOP("FrequencyBand", "Theta")},
        {7, 12, QColor(192, 192, 192), QT_TRANSLATE_NOOP("FrequencyBand", "Alpha")},
        {12, 18, QColor(255, 0, 0), QT_TRANSLATE_NOOP("FrequencyBand", "Low Beta")},
        {18, 35, QColor(255, 0, 255), QT_TRANSLATE_NOOP("FrequencyBand", "High Beta")},
        {35, 42, QColor(128, 0, 128), QT_TRANSLATE_NOOP("FrequencyBand", "Gamma")},
    };
    return bands;
}

QList<GraphBand> GraphGeometry::bands() const
{
    QList<GraphBand> bands;
    int bottom = baseline;
    for (const FrequencyBand &band : frequencyBands()) {
        const int top = frequencyY(4 * band.toHertz);
        const int thickness = bottom - top + 3;
        bands.append({bottom - 1 - thickness / 2, thickness, band.colour});
        bottom = bottom - thickness + 3;
    }
    return bands;
}

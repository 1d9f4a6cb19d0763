#include "views/GraphGeometry.h"

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

QList<GraphBand> GraphGeometry::bands() const
{
    struct Band
    {
        int topQuarterHertz;
        QColor colour;
    };
    const Band bandTops[] = {{12, QColor(0, 255, 255)},   {28, QColor(255, 255, 255)}, {48, QColor(192, 192, 192)},
                             {72, QColor(255, 0, 0)},     {140, QColor(255, 0, 255)},  {168, QColor(128, 0, 128)}};
    QList<GraphBand> bands;
    int bottom = baseline;
    for (const Band &band : bandTops) {
        const int top = frequencyY(band.topQuarterHertz);
        const int thickness = bottom - top + 3;
        bands.append({bottom - 1 - thickness / 2, thickness, band.colour});
        bottom = bottom - thickness + 3;
    }
    return bands;
}

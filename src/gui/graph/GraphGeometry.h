#pragma once

#include <QColor>
#include <QLine>
#include <QList>
#include <QPoint>
#include <QString>

// One tick of the frequency scale beside the graph, in the coordinates of the
// window's client area.
struct ScaleTick
{
    QLine tick;
    QPoint labelTopLeft;
    QString label; // hertz
};

// One coloured frequency band: a horizontal line across the whole bitmap.
struct GraphBand
{
    int centreY = 0;
    int penWidth = 0;
    QColor colour;
};

// One of the six coloured frequency bands, with the usual name of its range.
struct FrequencyBand
{
    int fromHertz;
    int toHertz;
    QColor colour;
    const char *name; // in English; shown translated in the context "FrequencyBand"
};

// The bands from 0 Hz upwards.
const QList<FrequencyBand> &frequencyBands();

// The vertical layout of one drawing for a scroll box of W x H pixels:
// frequency on a compressed scale from 0 Hz at the baseline B up to 42 Hz.
// Every division truncates toward zero.
class GraphGeometry
{
public:
    GraphGeometry(int width, int height);

    int width;     // W
    int height;    // H
    int unit;      // U
    int topOffset; // V
    int baseline;  // B, the y of 0 Hz

    int bitmapHeight() const { return baseline + 1; }

    // y of a frequency in quarter hertz: 2U pixels per hertz up to 10 Hz, U up
    // to 20 Hz and U/2 above; 42 Hz gives V.
    int frequencyY(int quarterHertz) const;

    // 40, 20, 10, 5 and 1 Hz, top to bottom.
    QList<ScaleTick> frequencyScale() const;

    // From 0 Hz upwards; each band's line overlaps the one below by three
    // pixels, so every band shows from its own top down to the next.
    QList<GraphBand> bands() const;
};

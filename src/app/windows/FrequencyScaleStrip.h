#pragma once

#include "gui/graph/GraphGeometry.h"
#include "core/graph/GraphKind.h"

#include <QWidget>

// The graph window's client area. Its strip left of the scroll box carries
// the frequency scale, which stays in place while the graph scrolls.
class FrequencyScaleStrip : public QWidget
{
    Q_OBJECT
public:
    explicit FrequencyScaleStrip(QWidget *parent = nullptr);

    void setTicks(const QList<ScaleTick> &ticks);
    const QList<ScaleTick> &ticks() const { return mTicks; }
    // Where the units go: "min" under the baseline of a time graph.
    void setAxis(int baseline, GraphKind mode);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QList<ScaleTick> mTicks;
    int mBaseline = 0;
    GraphKind mMode = GraphKind::Segment;
};

#pragma once

#include <QWidget>

// The six coloured frequency bands of the graph with their usual names, a
// swatch each, in one row. Compact, it leaves out the ranges in hertz (the
// tooltip keeps them).
class GraphLegend : public QWidget
{
public:
    explicit GraphLegend(QWidget *parent = nullptr);

    // Compact when the full legend is wider than width.
    void fitInto(int width);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QStringList entries(bool compact) const;
    int widthOf(const QStringList &entries) const;

    bool mCompact = false;
};

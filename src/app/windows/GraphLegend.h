#pragma once

#include <QWidget>
#include <QCoreApplication>

// The six coloured frequency bands of the graph with their usual names, a
// swatch each, in one row. Where room is short it leaves out the ranges in
// hertz, then writes the names as Greek letters; the tooltip keeps it all.
class GraphLegend : public QWidget
{
    Q_DECLARE_TR_FUNCTIONS(GraphLegend)
public:
    explicit GraphLegend(QWidget *parent = nullptr);

    enum Detail { NamesAndRanges, Names, Letters };

    // The most detail that fits into width.
    void fitInto(int width);
    Detail detail() const { return mDetail; }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QStringList entries(Detail detail) const;
    int widthOf(const QStringList &entries) const;

    Detail mDetail = NamesAndRanges;
};

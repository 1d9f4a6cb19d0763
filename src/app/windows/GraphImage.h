#pragma once

#include <QLabel>
#include <memory>

class GraphCanvas;

// Shows the graph's bitmap, painting only the part that is exposed when it is
// exposed: a graph 30001 pixels wide costs what the scroll box shows. On a
// screen of more than one device pixel per logical pixel the graph is drawn
// again at the screen's resolution, so that its lines stay sharp; its size in
// logical pixels is the bitmap's.
class GraphImage : public QLabel
{
public:
    explicit GraphImage(QWidget *parent = nullptr);

    // Shown at the drawing's size; null shows nothing.
    void setCanvas(std::shared_ptr<const GraphCanvas> canvas);
    const std::shared_ptr<const GraphCanvas> &canvas() const { return mCanvas; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    std::shared_ptr<const GraphCanvas> mCanvas;
};

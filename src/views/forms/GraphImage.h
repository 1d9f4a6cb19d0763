#pragma once

#include <QLabel>
#include <memory>

class GraphCanvas;

// Shows the graph's bitmap. On a screen of more than one device pixel per
// logical pixel the graph is drawn again at the screen's resolution, so that
// its lines stay sharp; its size in logical pixels is the bitmap's.
class GraphImage : public QLabel
{
public:
    explicit GraphImage(QWidget *parent = nullptr);

    void setCanvas(std::shared_ptr<const GraphCanvas> canvas);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    std::shared_ptr<const GraphCanvas> mCanvas;
};

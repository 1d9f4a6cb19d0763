#pragma once

#include <QLabel>
#include <memory>

class GraphCanvas;

// Shows a recorded drawing, painting only the part that is exposed when it
// is exposed: a graph 30001 pixels wide costs what the scroll box shows.
class GraphView : public QLabel
{
    Q_OBJECT
public:
    using QLabel::QLabel;

    // Shown at the drawing's size; null shows nothing.
    void setCanvas(std::shared_ptr<const GraphCanvas> canvas);
    const std::shared_ptr<const GraphCanvas> &canvas() const { return mCanvas; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    std::shared_ptr<const GraphCanvas> mCanvas;
};

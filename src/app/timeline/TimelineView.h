#pragma once

#include "core/timeline/TimelineDrag.h"
#include "core/timeline/TimelineGeometry.h"
#include "core/timeline/TimelineLayout.h"
#include "gui/timeline/TimelinePainter.h"

#include <QWidget>
#include <optional>

class PreviewController;
class SessionEditor;

// The session over time, as it plays: drawn by paintTimeline(), kept up to
// date from the document's signals, repainting only what changed. A click
// selects a segment, or while the preview plays moves it there; a drag
// changes a cell; the arrow keys select and step.
class TimelineView : public QWidget
{
    Q_OBJECT
public:
    TimelineView(SessionEditor &editor, PreviewController &preview, QWidget *parent = nullptr);

    const TimelineLayout &layout() const { return mLayout; }
    const TimelineGeometry &geometry() const { return mGeometry; }
    int selectedColumn() const { return mMarks.selectedColumn; }
    bool isDragging() const { return mDrag.has_value(); }

    // The selected segment, and which of its points Up and Down step.
    void select(int column, int row);
    void fit();
    // Zooms in (factor above 1) or out around x, or the middle when x < 0.
    void zoom(double factor, double x = -1);
    // The scroll position and its end, in pixels of the current zoom.
    int scrollPixels() const;
    int scrollRange() const;
    void scrollTo(int pixels);
    void setBeatScale(BeatScale scale);

signals:
    // What is under the pointer, or during a drag the value it gives.
    void readoutChanged(const QString &text);
    // Zoomed, scrolled or resized.
    void viewChanged();

protected:
    void paintEvent(QPaintEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void followCells();
    void noteChangedColumns(int first, int last);
    void followSession();
    void followPlayer();
    void followSelection();
    // A segment the user chose: the whole session's, as a click in the sheet.
    void choose(int column, int row);
    void cancelDrag();
    void viewMoved();
    // Fits the beat lane to the layout's beats; true when its range changed.
    bool fitBeats();
    void finishDrag();
    void showReadout(QPointF point);
    // The x span of a segment's passes, all lanes high.
    QRect columnRect(const TimelineLayout &layout, int column) const;
    QRect spanRect(qint64 first, qint64 last) const;
    QRect dragRect() const;
    void describeSelection();

    SessionEditor &mEditor;
    PreviewController &mPreview;
    TimelineLayout mLayout;
    TimelineGeometry mGeometry;
    TimelineMarks mMarks;
    std::optional<TimelineDrag> mDrag;
    QRect mDragPainted; // where the drag's marks were last painted
    QRect mPendingColumns; // columns whose labels changed, as x spans before the change
    double mPlayX = -1;
    bool mStale = false; // changes came while hidden: caught up when shown
};

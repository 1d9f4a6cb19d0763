#include "app/timeline/TimelineView.h"

#include "app/PreviewController.h"
#include "core/session/SessionEditor.h"
#include "core/session/ValueStepping.h"
#include "core/timeline/TimelineGrip.h"
#include "core/timeline/TimelineReadout.h"

#include <QKeyEvent>
#include <QPainter>
#include <cmath>

namespace {
constexpr double ZoomStep = 1.5;
constexpr int ScrollStep = 60;     // pixels for one notch of the wheel
constexpr int DragLabelRoom = 320; // right of a dragged point: its value
constexpr int CursorRoom = 8;
// Points and the selected point's ring reach this far past their segment.
constexpr int PointOverhang = 8;

bool isDraggable(int row)
{
    return row == StartFreqRow || row == TargetFreqRow || row == TimeRow || row == VolumeRow || row == IntensityRow;
}
} // namespace

TimelineView::TimelineView(SessionEditor &editor, PreviewController &preview, QWidget *parent)
    : QWidget(parent), mEditor(editor), mPreview(preview)
{
    mMarks.selectedRow = StartFreqRow;
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(300, 160);
    QFont small = font();
    small.setPixelSize(11);
    setFont(small);
    setAccessibleName(tr("Timeline"));
    describeSelection();

    const SessionDocument &document = mEditor.document();
    connect(&document, &SessionDocument::cellsChanged, this, &TimelineView::noteChangedColumns);
    connect(&document, &SessionDocument::gridChanged, this, &TimelineView::followCells);
    connect(&document, &SessionDocument::replaced, this, &TimelineView::followSession);
    connect(&document, &SessionDocument::kindChanged, this, &TimelineView::followSession);
    connect(&mEditor, &SessionEditor::sessionShownChanged, this, &TimelineView::followSession);
    connect(&mEditor, &SessionEditor::selectionChanged, this, &TimelineView::followSelection);
    connect(&mPreview.player(), &SessionPlayer::positionChanged, this, &TimelineView::followPlayer);
    followSession();
}

void TimelineView::followSession()
{
    cancelDrag();
    // Hidden, it follows nothing until it shows again.
    mStale = !isVisible();
    if (mStale)
        return;
    if (mEditor.isSessionShown()) {
        mLayout = TimelineLayout(mEditor.session());
        const CellPos &current = mEditor.currentCell();
        mMarks.selectedColumn = current.column;
        if (isDraggable(current.row))
            mMarks.selectedRow = current.row;
    } else {
        mLayout = TimelineLayout();
    }
    mMarks.selectedColumn = std::min(mMarks.selectedColumn, mLayout.columnCount() - 1);
    mGeometry.resize(width(), height(), mLayout.totalHalfSeconds() / 2.0);
    mGeometry.fit();
    fitBeats();
    describeSelection();
    viewMoved();
}

void TimelineView::noteChangedColumns(int first, int last)
{
    if (mStale)
        return;
    // Labels are read from the cells when painted: where they were must go too.
    if (last - first > 32) {
        mPendingColumns = rect();
        return;
    }
    for (int column = first; column <= std::min(last, mLayout.columnCount() - 1); ++column)
        mPendingColumns |= columnRect(mLayout, column);
}

void TimelineView::followCells()
{
    if (mStale || !isVisible()) {
        mStale = true;
        return;
    }
    if (!mEditor.isSessionShown())
        return;
    cancelDrag();
    TimelineLayout next(mEditor.session());
    const TimelineLayout::Span changed = next.differenceFrom(mLayout);
    const bool lengthChanged = next.totalHalfSeconds() != mLayout.totalHalfSeconds();
    QRect dirty = mPendingColumns;
    mPendingColumns = QRect();
    mLayout = std::move(next);
    mMarks.selectedColumn = std::min(mMarks.selectedColumn, mLayout.columnCount() - 1);
    if (fitBeats() || lengthChanged) {
        mGeometry.resize(width(), height(), mLayout.totalHalfSeconds() / 2.0);
        viewMoved();
    } else {
        if (!changed.isEmpty())
            dirty |= spanRect(changed.first, changed.last);
        dirty |= columnRect(mLayout, mMarks.selectedColumn);
        update(dirty);
    }
    describeSelection();
}

void TimelineView::followPlayer()
{
    const SessionPlayer &player = mPreview.player();
    const double seconds = player.state() == SessionPlayer::State::Stopped ? -1 : player.positionSeconds();
    if (seconds == mMarks.playSeconds)
        return;
    mMarks.playSeconds = seconds;
    const double before = mPlayX;
    mPlayX = seconds < 0 ? -1 : mGeometry.x(seconds);
    if (seconds >= 0 && (mPlayX < mGeometry.timeLeft() || mPlayX > width())) {
        mGeometry.reveal(seconds);
        viewMoved();
        return;
    }
    for (const double x : {before, mPlayX}) {
        if (x >= 0)
            update(QRect(int(x) - CursorRoom, 0, 2 * CursorRoom, height()));
    }
}

QRect TimelineView::spanRect(qint64 first, qint64 last) const
{
    const int left = int(std::floor(mGeometry.x(first / 2.0))) - PointOverhang;
    const int right = int(std::ceil(mGeometry.x(last / 2.0))) + PointOverhang;
    return QRect(left, 0, right - left + 1, height()) & rect();
}

QRect TimelineView::columnRect(const TimelineLayout &layout, int column) const
{
    const int first = layout.firstPassOf(column);
    if (first < 0)
        return QRect();
    qint64 from = layout.passes()[size_t(first)].start;
    qint64 to = layout.passes()[size_t(first)].end();
    // Its repeats lie within its loop.
    for (const TimelineLoop &loop : layout.loops()) {
        if (column >= loop.firstColumn && column <= loop.lastColumn) {
            from = std::min(from, loop.start);
            to = std::max(to, loop.end);
        }
    }
    return spanRect(from, to);
}

QRect TimelineView::dragRect() const
{
    if (!mDrag)
        return QRect();
    const TimelinePass &pass = mLayout.passes()[size_t(mDrag->pass())];
    if (mDrag->grip().row == TimeRow)
        return rect();
    return spanRect(pass.start, pass.end()).adjusted(-12, 0, DragLabelRoom, 0) & rect();
}

void TimelineView::select(int column, int row)
{
    if (column < 0 || column >= mLayout.columnCount())
        return;
    if (column == mMarks.selectedColumn && row == mMarks.selectedRow)
        return;
    update(columnRect(mLayout, mMarks.selectedColumn));
    mMarks.selectedColumn = column;
    mMarks.selectedRow = row;
    const int first = mLayout.firstPassOf(column);
    if (first >= 0) {
        const TimelinePass &pass = mLayout.passes()[size_t(first)];
        const double left = mGeometry.x(pass.start / 2.0);
        if (left < mGeometry.timeLeft() || left > width() - 4) {
            mGeometry.reveal(pass.start / 2.0);
            viewMoved();
        }
    }
    update(columnRect(mLayout, column));
    describeSelection();
}

void TimelineView::followSelection()
{
    if (mStale)
        return;
    const CellPos &current = mEditor.currentCell();
    select(current.column, isDraggable(current.row) ? current.row : mMarks.selectedRow);
}

void TimelineView::choose(int column, int row)
{
    select(column, row);
    mEditor.selectCell({column, row}, SessionEditor::Source::User);
}

void TimelineView::describeSelection()
{
    QString description = tr("The session over time as it plays, loops repeated: the beat, the sound's pitch and "
                             "volume, and the light. Left and Right select a segment, Up and Down step its "
                             "selected value.");
    const int first = mLayout.firstPassOf(mMarks.selectedColumn);
    if (first >= 0 && mEditor.isSessionShown())
        description += u' ' + passReadout(mEditor.session(), mLayout, first, -1);
    setAccessibleDescription(description);
}

void TimelineView::fit()
{
    mGeometry.fit();
    viewMoved();
}

void TimelineView::zoom(double factor, double x)
{
    mGeometry.zoomAround(factor, x < 0 ? mGeometry.timeLeft() + mGeometry.timeWidth() / 2.0 : x);
    viewMoved();
}

int TimelineView::scrollPixels() const
{
    return int(std::lround(mGeometry.leftSeconds() / mGeometry.secondsPerPixel()));
}

int TimelineView::scrollRange() const
{
    const double session = std::max(mGeometry.sessionSeconds(), 1.0) / mGeometry.secondsPerPixel();
    return std::max(0, int(std::lround(session)) - mGeometry.timeWidth());
}

void TimelineView::scrollTo(int pixels)
{
    if (pixels == scrollPixels())
        return;
    mGeometry.scrollBy(pixels - mGeometry.leftSeconds() / mGeometry.secondsPerPixel());
    viewMoved();
}

void TimelineView::setBeatScale(BeatScale scale)
{
    mGeometry.setBeatScale(scale);
    update();
}

bool TimelineView::fitBeats()
{
    const double low = mGeometry.lowestBeat();
    const double high = mGeometry.highestBeat();
    mGeometry.setBeatRange(mLayout.lowestBeat(), mLayout.highestBeat());
    return low != mGeometry.lowestBeat() || high != mGeometry.highestBeat();
}

// After a zoom or scroll: everything moved, and what is under the pointer changed.
void TimelineView::viewMoved()
{
    mPlayX = mMarks.playSeconds < 0 ? -1 : mGeometry.x(mMarks.playSeconds);
    update();
    emit viewChanged();
    const QPoint pointer = mapFromGlobal(QCursor::pos());
    if (!mDrag && underMouse() && rect().contains(pointer))
        showReadout(pointer);
}

void TimelineView::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    if (!mEditor.isSessionShown()) {
        painter.fillRect(rect(), palette().window());
        painter.drawText(rect(), Qt::AlignCenter, tr("No session"));
        return;
    }
    mMarks.drag = mDrag ? &*mDrag : nullptr;
    paintTimeline(painter, mEditor.session(), mLayout, mGeometry, mMarks, event->rect());
    if (hasFocus()) {
        painter.setPen(QPen(palette().highlight().color(), 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void TimelineView::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (mStale)
        followSession();
}

void TimelineView::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    mGeometry.resize(width(), height(), mLayout.totalHalfSeconds() / 2.0);
    mPlayX = mMarks.playSeconds < 0 ? -1 : mGeometry.x(mMarks.playSeconds);
    emit viewChanged();
}

void TimelineView::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || mLayout.passes().empty() || !mEditor.isSessionShown())
        return;
    const QPointF point = event->position();
    const TimelineGrip grip = gripAt(mLayout, mGeometry, point);
    if (grip.isValid()) {
        choose(grip.column, grip.row);
        setFocus();
        mDrag.emplace(mEditor.session(), mLayout, grip);
        mDragPainted = QRect();
        return;
    }
    setFocus();
    const double seconds = std::clamp(mGeometry.secondsAt(point.x()), 0.0, mLayout.totalHalfSeconds() / 2.0);
    if (mPreview.player().state() != SessionPlayer::State::Stopped) {
        mPreview.seek(seconds);
        return;
    }
    const int pass = mLayout.passAt(seconds * 2);
    if (pass >= 0)
        choose(mLayout.passes()[size_t(pass)].column, mMarks.selectedRow);
}

void TimelineView::mouseMoveEvent(QMouseEvent *event)
{
    const QPointF point = event->position();
    if (!mDrag) {
        showReadout(point);
        return;
    }
    if (!mDrag->moveTo(mGeometry, point, event->modifiers() & Qt::ShiftModifier) && !mDragPainted.isEmpty())
        return;
    const QRect now = dragRect();
    update(mDragPainted | now);
    mDragPainted = now;
    emit readoutChanged(mDrag->valueText());
}

void TimelineView::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && mDrag)
        finishDrag();
}

void TimelineView::leaveEvent(QEvent *event)
{
    QWidget::leaveEvent(event);
    if (!mDrag)
        emit readoutChanged(QString());
}

void TimelineView::finishDrag()
{
    TimelineDrag drag = std::move(*mDrag);
    mDrag.reset();
    update(mDragPainted);
    mDragPainted = QRect();
    mEditor.runCommand([&] { drag.finish(mEditor.document(), mEditor.prompter()); });
}

void TimelineView::cancelDrag()
{
    if (!mDrag)
        return;
    mDrag.reset();
    update(mDragPainted);
    mDragPainted = QRect();
    emit readoutChanged(QString());
}

void TimelineView::showReadout(QPointF point)
{
    if (!mEditor.isSessionShown())
        return;
    const TimelineGrip grip = gripAt(mLayout, mGeometry, point);
    setCursor(!grip.isValid() ? Qt::ArrowCursor : grip.row == TimeRow ? Qt::SizeHorCursor : Qt::SizeVerCursor);
    const double seconds = mGeometry.secondsAt(point.x());
    const int pass = mLayout.passAt(seconds * 2);
    emit readoutChanged(pass < 0 ? QString() : passReadout(mEditor.session(), mLayout, pass, seconds));
}

void TimelineView::wheelEvent(QWheelEvent *event)
{
    const QPoint delta = event->angleDelta();
    if (event->modifiers() & Qt::ControlModifier) {
        zoom(std::pow(1.2, delta.y() / 120.0), event->position().x());
    } else {
        const int notches = delta.y() != 0 ? delta.y() : delta.x();
        mGeometry.scrollBy(-notches / 120.0 * ScrollStep);
        viewMoved();
    }
    event->accept();
}

void TimelineView::keyPressEvent(QKeyEvent *event)
{
    const bool control = event->modifiers() & Qt::ControlModifier;
    const int column = mMarks.selectedColumn;
    switch (event->key()) {
    case Qt::Key_Escape:
        if (mDrag) {
            cancelDrag();
            return;
        }
        break;
    case Qt::Key_Left:
    case Qt::Key_Right:
        if (mEditor.isSessionShown() && !mDrag) {
            const int step = event->key() == Qt::Key_Left ? -1 : 1;
            choose(std::clamp(column + step, 0, mLayout.columnCount() - 1), mMarks.selectedRow);
            setFocus();
            return;
        }
        break;
    case Qt::Key_Up:
    case Qt::Key_Down:
        if (mEditor.isSessionShown() && !mDrag && column >= 0) {
            const StepDirection direction = event->key() == Qt::Key_Up ? StepDirection::Up : StepDirection::Down;
            mEditor.runCommand([&] { stepValue(mEditor.context(), {column, mMarks.selectedRow}, direction); });
            setFocus();
            return;
        }
        break;
    case Qt::Key_Plus:
    case Qt::Key_Equal:
    case Qt::Key_Minus:
        if (control) {
            const QPoint pointer = mapFromGlobal(QCursor::pos());
            zoom(event->key() == Qt::Key_Minus ? 1 / ZoomStep : ZoomStep,
                 rect().contains(pointer) ? pointer.x() : -1);
            return;
        }
        break;
    default:
        break;
    }
    QWidget::keyPressEvent(event);
}

#include "ActiveWindowTest.h"
#include "DefaultSegments.h"
#include "UserInput.h"

#include "app/timeline/TimelineView.h"
#include "app/timeline/TimelineWindow.h"
#include "core/timeline/TimelineGrip.h"

#include <QAction>
#include <QLabel>
#include <QTableView>

using namespace Qt::Literals::StringLiterals;

using TimelineWindowTest = ActiveWindowTest;

TEST_F(TimelineWindowTest, DraggingABeatPointSetsTheSheetsCellAndUndoRestoresIt)
{
    showSession(sessionOfDefaultSegments(PulsedSession, 3));
    TimelineWindow &timeline = *windows.timelineWindow;
    timeline.toggleAction()->trigger();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&timeline));
    EXPECT_TRUE(window.isVisible());
    TimelineView *view = timeline.view();
    const QPoint from = gripPoint(view->layout(), view->geometry(), 1, StartFreqRow).toPoint();
    // Not quite on 19 Hz: the drag snaps to the list's entry.
    const QPoint to(from.x(), int(std::lround(view->geometry().beatY(19.3))));

    QTest::mousePress(view, Qt::LeftButton, {}, from);
    QTest::mouseMove(view, to);
    EXPECT_TRUE(view->isDragging());
    EXPECT_EQ(timeline.readout()->text(), u"19.0 Hz"_s);
    QTest::mouseRelease(view, Qt::LeftButton, {}, to);

    const QModelIndex cell = window.sessionTable()->model()->index(StartFreqRow, 1);
    EXPECT_EQ(cell.data().toString(), u"19.0"_s);
    EXPECT_EQ(view->selectedColumn(), 1);
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    typeKey(window.sessionTable(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(cell.data().toString(), u"7.83"_s);
}

TEST_F(TimelineWindowTest, KeysSelectAndStepEscapeDropsADragAndTheSheetSelects)
{
    showSession(sessionOfDefaultSegments(PulsedSession, 3));
    TimelineWindow &timeline = *windows.timelineWindow;
    timeline.setShown(true);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&timeline));
    TimelineView *view = timeline.view();
    const QTableView &sheet = *window.sessionTable();

    window.selectCell({2, VolumeRow});
    EXPECT_EQ(view->selectedColumn(), 2);
    typeKey(view, Qt::Key_Left);
    EXPECT_EQ(view->selectedColumn(), 1);
    EXPECT_EQ(sheet.currentIndex().column(), 1);
    typeKey(view, Qt::Key_Down); // the point selected with the Volume cell
    EXPECT_EQ(window.session().cells.cell(1, VolumeRow), u"85"_s);

    const QPoint from = gripPoint(view->layout(), view->geometry(), 2, StartFreqRow).toPoint();
    QTest::mousePress(view, Qt::LeftButton, {}, from);
    QTest::mouseMove(view, from - QPoint(0, 40));
    typeKey(view, Qt::Key_Escape);
    EXPECT_FALSE(view->isDragging());
    QTest::mouseRelease(view, Qt::LeftButton, {}, from - QPoint(0, 40));
    EXPECT_EQ(window.session().cells.cell(2, StartFreqRow), u"7.83"_s);
}

#include "ActiveWindowTest.h"
#include "DefaultSegments.h"
#include "UserInput.h"

#include "app/timeline/TimelineView.h"
#include "app/timeline/TimelineWindow.h"
#include "core/session/ValueLists.h"
#include "core/timeline/TimelineGrip.h"

#include <QAction>
#include <QLabel>
#include <QScrollBar>
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

// Glide down from 14 Hz to 4 Hz, hold, glide up: at the window's first size
// every step of the frequency list the beat lane shows is 6 pixels or more
// on each scale that spaces steps evenly, and a drag moves a point one step
// for each.
TEST_F(TimelineWindowTest, TheBeatLaneFitsTheSessionAndAListStepTakesSixPixels)
{
    Session session = sessionOfDefaultSegments(PulsedSession, 3, {{TimeRow, u"10:00.0"_s}});
    const char *beats[][2] = {{"14.0", "4.0"}, {"4.0", ""}, {"4.0", "14.0"}};
    for (int column = 0; column < 3; ++column) {
        session.cells.setCell(column, StartFreqRow, QString::fromLatin1(beats[column][0]));
        session.cells.setCell(column, TargetFreqRow, QString::fromLatin1(beats[column][1]));
    }
    showSession(session);
    TimelineWindow &timeline = *windows.timelineWindow;
    timeline.toggleAction()->trigger();
    timeline.resize(900, 360); // its size at a first start
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&timeline));
    QCoreApplication::processEvents();
    TimelineView *view = timeline.view();
    const TimelineGeometry &g = view->geometry();
    EXPECT_LE(g.lowestBeat(), 4.0);
    EXPECT_GE(g.highestBeat(), 14.0);
    EXPECT_GT(g.lowestBeat(), 2.0);
    EXPECT_LT(g.highestBeat(), 20.0);

    double smallest = 1e9;
    QString previous;
    for (const QString &entry : ValueLists::FreqList) {
        const double hertz = entry.toDouble();
        if (hertz < g.lowestBeat() || hertz > g.highestBeat())
            continue;
        if (!previous.isEmpty())
            smallest = std::min(smallest, g.beatY(previous.toDouble()) - g.beatY(hertz));
        previous = entry;
    }
    EXPECT_GE(smallest, 6.0);
    RecordProperty("smallest pixels per list step", QString::number(smallest, 'f', 1).toStdString());

    // Not zoomed: no scroll bar; zoomed in: one that scrolls the view.
    EXPECT_FALSE(timeline.scrollBar()->isVisible());
    view->zoom(4);
    EXPECT_TRUE(timeline.scrollBar()->isVisible());
    timeline.scrollBar()->setValue(timeline.scrollBar()->maximum());
    EXPECT_NEAR(g.leftSeconds() + g.visibleSeconds(), 1800, 1);
}

#include "CliProcess.h"
#include "DefaultSegments.h"
#include "MenuCommands.h"
#include "ActiveWindowTest.h"
#include "SessionFileFolder.h"
#include "TestSupport.h"
#include "UserInput.h"

#include "app/MainWindow.h"
#include "app/MirandelWindows.h"
#include "core/session/SessionRows.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {
class EditWindowTest : public ActiveWindowTest
{
protected:
    void select(int column, int row) { window.selectCell({column, row}); }

    void selectRange(int left, int top, int right, int bottom)
    {
        QAbstractItemModel *model = window.sessionTable()->model();
        window.sessionTable()->setCurrentIndex(model->index(top, left));
        window.sessionTable()->selectionModel()->select(
            QItemSelection(model->index(top, left), model->index(bottom, right)), QItemSelectionModel::ClearAndSelect);
    }

    const SessionGrid &cells() { return window.session().cells; }

};

QString cellText(MainWindow &window, int column, int row)
{
    return window.session().cells.cell(column, row);
}

// Keys and shortcuts of the segment and stepping commands do nothing before
// a session exists, and all act once one is shown.
TEST_F(EditWindowTest, KeysActOnlyWithASession)
{
    const auto pressAll = [this] {
        typeKey(&window, Qt::Key_N);
        typeKey(&window, '+');
        typeKey(&window, '-');
        for (const Qt::Key key : {Qt::Key_C, Qt::Key_V, Qt::Key_X, Qt::Key_Insert})
            typeKey(&window, key, Qt::ControlModifier);
    };
    pressAll();
    EXPECT_EQ(cells().columnCount(), 1);
    EXPECT_TRUE(cells().cell(0, 1).isEmpty());
    EXPECT_TRUE(window.segmentClipboard().isEmpty());
    EXPECT_EQ(window.document().isModified(), 0);
    EXPECT_TRUE(prompter.log.isEmpty()) << prompter.log.join(u", "_s);

    showSession(sessionOfDefaultSegments(PulsedSession, 3, {{VolumeRow, u"42"_s}}));
    select(1, VolumeRow);
    prompter.answerOkCancel(true);
    pressAll();
    // N added segment 4 and selected it; "+" and "-" stepped its time there
    // and back; Ctrl+C copied it, Ctrl+V pasted the copy before it, Ctrl+X
    // cut that copy after the question and Ctrl+Insert inserted a new one.
    EXPECT_EQ(prompter.log, QStringList{u"confirm: Delete segment 4 ?"_s});
    EXPECT_EQ(cells().columnCount(), 5);
    EXPECT_EQ(window.segmentClipboard().cells.first(), u"4"_s);
    EXPECT_EQ(window.sessionTable()->currentIndex().column(), 3);
    EXPECT_EQ(cellText(window, 4, 9), u"42"_s);
    EXPECT_EQ(cellText(window, 4, 1), u"1:00.0"_s);
    EXPECT_EQ(window.document().isModified(), 1);
}

TEST_F(EditWindowTest, ButtonsStepTheSelectedCell)
{
    showSession(sessionOfDefaultSegments(PulsedSession, 3));
    select(1, VolumeRow);
    clickMouse(window.downButton(), Qt::LeftButton);
    EXPECT_EQ(cellText(window, 1, VolumeRow), u"85"_s);
    EXPECT_EQ(window.sessionTable()->model()->index(VolumeRow, 1).data().toString(), u"85"_s);
    EXPECT_EQ(QApplication::focusWidget(), window.sessionTable());
    clickMouse(window.upButton(), Qt::LeftButton);
    typeKey(window.sessionTable(), '+');
    EXPECT_EQ(cellText(window, 1, VolumeRow), u"100"_s);

    // One row over two columns steps its leftmost cell; Start Freq to Target Freq steps nothing.
    selectRange(1, DutyCycleRow, 2, DutyCycleRow);
    clickMouse(window.upButton(), Qt::LeftButton);
    EXPECT_EQ(cellText(window, 1, DutyCycleRow), u"62"_s);
    EXPECT_EQ(cellText(window, 2, DutyCycleRow), u"50"_s);
    selectRange(1, StartFreqRow, 1, TargetFreqRow);
    const SessionGrid before = cells();
    window.document().dropChanges();
    clickMouse(window.upButton(), Qt::LeftButton);
    typeKey(window.sessionTable(), '-');
    EXPECT_EQ(window.session().cells.column(1), before.column(1));
    EXPECT_EQ(window.document().isModified(), 0);
    EXPECT_TRUE(prompter.log.isEmpty()) << prompter.log.join(u", "_s);
}

// A loop row holding text that is not a number ends the command in the
// standard error report, whether started by a button or a key.
TEST_F(EditWindowTest, BadLoopTextIsReportedNotFatal)
{
    showSession(sessionOfDefaultSegments(PulsedSession, 3, {{LoopTimesRow, u"x"_s}}));
    select(1, LoopSegsRow);
    ASSERT_TRUE(prompter.errors.isEmpty());
    clickMouse(window.upButton(), Qt::LeftButton);
    typeKey(window.sessionTable(), '-');
    EXPECT_EQ(prompter.errors, QStringList(2, u"'x' is not a valid integer value"_s));
}

TEST_F(EditWindowTest, MenuCommandsKeepTheSelection)
{
    Session session = sessionOfDefaultSegments(DualBinauralSession, 4);
    session.cells.setCell(2, Freq1Row, u"9.5"_s);
    showSession(session);
    select(2, Freq1Row);
    menuCommand(window, u"&Copy Segment"_s)->trigger();
    menuCommand(window, u"&Insert Segment"_s)->trigger();
    EXPECT_EQ(cells().columnCount(), 5);
    EXPECT_EQ(cellText(window, 2, Freq1Row), u"7.83"_s); // a copy of segment 2
    EXPECT_EQ(cellText(window, 2, DbbRampRow), u"ramp"_s);
    menuCommand(window, u"&Paste Segment"_s)->trigger();
    EXPECT_EQ(cellText(window, 2, Freq1Row), u"9.5"_s);
    EXPECT_EQ(cells().columnCount(), 6);
    prompter.answerOkCancel(false);
    menuCommand(window, u"Cu&t Segment"_s)->trigger();
    EXPECT_EQ(cells().columnCount(), 6);
    EXPECT_EQ(prompter.log, QStringList{u"confirm: Delete segment 3 ?"_s});
    EXPECT_EQ(window.sessionTable()->currentIndex(), window.sessionTable()->model()->index(Freq1Row, 2));
    EXPECT_EQ(window.timingPanel()->toPlainText(), u"Segment 3 start time 2:0\nSession total time 6:0"_s);
}

// The new last segment is always scrolled fully into view, also when the
// session is full and New Segment is refused.
TEST_F(EditWindowTest, NewSegmentScrollsToTheEnd)
{
    QTableView *grid = window.sessionTable();
    const int viewWidth = grid->viewport()->width();
    const int visible = viewWidth / 61;
    const auto lastInView = [&] {
        const int last = cells().columnCount() - 1;
        const int left = grid->columnViewportPosition(last);
        return left >= 0 && left + grid->columnWidth(last) <= viewWidth;
    };
    showSession(sessionOfDefaultSegments(PulsedSession, visible - 1));
    clickMouse(window.newSegmentButton(), Qt::LeftButton);
    EXPECT_EQ(grid->horizontalScrollBar()->value(), 0);
    EXPECT_TRUE(lastInView());
    for (int more = 0; more < 6; ++more) {
        select(0, TimeRow);
        typeKey(grid, Qt::Key_N);
        EXPECT_TRUE(lastInView()) << cells().columnCount() << " segments";
        EXPECT_EQ(grid->currentIndex(), window.sessionTable()->model()->index(TimeRow, cells().columnCount() - 1));
    }

    showSession(sessionOfDefaultSegments(PulsedSession, SessionGrid::MaxSegments));
    ASSERT_FALSE(lastInView());
    clickMouse(window.newSegmentButton(), Qt::LeftButton);
    EXPECT_EQ(prompter.log, (QStringList{u"beep"_s, u"error: Max 1000 Segments"_s}));
    EXPECT_TRUE(lastInView());
}
} // namespace

// A command that moves the selection itself reports a bad number once, not
// again for the selection it makes on the way.
TEST_F(EditWindowTest, BadTimeTextIsReportedOncePerCommand)
{
    Session session = sessionOfDefaultSegments(PulsedSession, 3);
    session.cells.setCell(0, TimeRow, u"1:xx.0"_s);
    showSession(session);
    prompter.errors.clear();
    select(2, PitchRow);
    prompter.errors.clear();
    typeKey(window.sessionTable(), Qt::Key_N);
    EXPECT_EQ(cells().columnCount(), 4);
    EXPECT_EQ(prompter.errors, QStringList{u"'xx' is not a valid integer value"_s});

    prompter.errors.clear();
    prompter.answerOkCancel(true);
    select(3, TimeRow);
    prompter.errors.clear();
    menuCommand(window, u"Cu&t Segment"_s)->trigger();
    EXPECT_EQ(cells().columnCount(), 3);
    EXPECT_EQ(prompter.errors, QStringList{u"'xx' is not a valid integer value"_s});
}

// Copy Segment and Copy Session as Text leave on the system clipboard the
// lines mirandel-cli cells prints for the same session.
TEST_F(EditWindowTest, CopiedSegmentsReachTheClipboardAsText)
{
    Session session = sessionOfDefaultSegments(PulsedSession, 3, {{TargetFreqRow, u"12.0"_s}});
    session.cells.setCell(1, LoopSegsRow, u"1"_s);
    session.cells.setCell(1, LoopTimesRow, u"2"_s);
    SessionFileFolder folder;
    const CliRun cells = runCli({u"cells"_s, folder.write(session)});
    ASSERT_EQ(cells.exitCode, 0) << cells.err;
    const QStringList lines = cells.out.split(u'\n');
    showSession(session);

    select(1, PitchRow);
    menuCommand(window, u"&Copy Segment"_s)->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), lines.at(1));
    EXPECT_EQ(window.segmentClipboard().cells.value(LoopSegsRow), u"0"_s);

    QTest::keySequence(&window, QKeySequence(u"Ctrl+Shift+C"_s));
    EXPECT_EQ(QGuiApplication::clipboard()->text(), cells.out);
}

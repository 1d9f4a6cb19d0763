// Every window of a session works with the same editor: the menus' keys and
// N work whichever of them has the focus, a segment chosen in the timeline is
// the one the timing panel counts, and closing the windows with a cell
// editor open runs nothing of them.
#include "ActiveWindowTest.h"
#include "DefaultSegments.h"
#include "UserInput.h"

#include "app/dialogs/SessionProblemsDialog.h"
#include "app/timeline/TimelineView.h"
#include "app/timeline/TimelineWindow.h"
#include "app/windows/GraphWindow.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTableView>
#include <QTreeWidget>

using namespace Qt::Literals::StringLiterals;

using SessionWindowsTest = ActiveWindowTest;

namespace {
void activate(QWidget *window)
{
    window->show();
    QApplication::setActiveWindow(window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
}
} // namespace

TEST_F(SessionWindowsTest, ASegmentChosenInTheTimelineMovesTheTimingPanel)
{
    showSession(sessionOfDefaultSegments(PulsedSession, 4));
    TimelineWindow &timeline = *windows.timelineWindow;
    timeline.setShown(true);
    activate(&timeline);
    const struct
    {
        Qt::Key key;
        int column;
    } steps[] = {{Qt::Key_Right, 1}, {Qt::Key_Right, 2}, {Qt::Key_Right, 3}, {Qt::Key_Left, 2}};
    for (const auto &step : steps) {
        typeKey(timeline.view(), step.key);
        EXPECT_EQ(window.sessionTable()->currentIndex().column(), step.column);
        EXPECT_EQ(window.timingPanel()->toPlainText(),
                  u"Segment %1 start time %2:0\nSession total time 4:0"_s.arg(step.column + 1).arg(step.column));
    }
}

TEST_F(SessionWindowsTest, MenuKeysAndNWorkWhicheverWindowOfTheSessionHasTheFocus)
{
    QTemporaryDir folder;
    showSession(sessionOfDefaultSegments(PulsedSession, 3));
    window.document().setFileName(folder.filePath(u"Keys.LSS"_s));
    TimelineWindow &timeline = *windows.timelineWindow;
    timeline.setShown(true);
    SessionProblemsDialog &problems = *window.problemsDialog();
    GraphWindow &graph = *windows.graphWindow;
    const int segments = window.session().cells.columnCount();
    const struct
    {
        const char *name;
        QWidget *focus;
        bool saves; // the graph window keeps Ctrl+S for its picture
    } places[] = {
        {"timeline", timeline.view(), true},
        {"problems", problems.list(), true},
        {"graph", &graph, false},
    };
    for (const auto &place : places) {
        SCOPED_TRACE(place.name);
        activate(place.focus->window());
        typeKey(place.focus, Qt::Key_N);
        EXPECT_EQ(window.session().cells.columnCount(), segments + 1);
        QTest::keySequence(place.focus, QKeySequence(u"Ctrl+Z"_s));
        EXPECT_EQ(window.session().cells.columnCount(), segments);
        if (place.saves) {
            QTest::keySequence(place.focus, QKeySequence(u"Ctrl+S"_s));
            EXPECT_FALSE(window.document().isModified());
            EXPECT_TRUE(QFile::exists(folder.filePath(u"Keys.LSS"_s)));
            QFile::remove(folder.filePath(u"Keys.LSS"_s));
        }
        problems.hide();
        activate(place.focus->window());
        QTest::keyClick(place.focus, Qt::Key_F8);
        EXPECT_TRUE(problems.isVisible());
    }
    activate(&timeline);
    QTest::keySequence(timeline.view(), QKeySequence(u"Ctrl+Q"_s));
    EXPECT_FALSE(window.isVisible());
    EXPECT_TRUE(prompter.log.isEmpty()) << prompter.log.join(u", "_s).toStdString();
}

// A cell editor still open when the windows go hands its text to an editor
// that is still there, and nothing runs afterwards.
TEST(ClosingTheWindows, AnOpenCellEditorGoesWithTheMainWindow)
{
    ScriptedPrompter prompter;
    std::optional<MirandelWindows> windows(std::in_place, QStringList());
    MainWindow &window = *windows->mainWindow;
    window.setPrompter(prompter);
    window.show();
    activate(&window);
    window.document().replace(sessionOfDefaultSegments(PulsedSession, 2), false);
    window.selectCell({1, VolumeRow});
    typeKey(window.sessionTable(), Qt::Key_F2);
    auto *editor = qobject_cast<QLineEdit *>(QApplication::focusWidget());
    ASSERT_NE(editor, nullptr);
    editor->setText(u"not a volume"_s);
    windows.reset();
    QCoreApplication::processEvents();
    EXPECT_TRUE(prompter.log.isEmpty()) << prompter.log.join(u", "_s).toStdString();
}

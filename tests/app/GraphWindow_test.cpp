#include "MenuCommands.h"
#include "ScriptedPrompter.h"
#include "TestSupport.h"
#include "UserInput.h"
#include "app/MainWindow.h"
#include "app/MirandelWindows.h"
#include "core/graph/GraphFrequencies.h"
#include "gui/graph/GraphGeometry.h"
#include "app/windows/FrequencyScaleStrip.h"
#include "app/windows/GraphWindow.h"

#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {
// The main window with a session of three segments, the second a loop of
// one segment played twice, shown as New would show it.
struct GraphWindowFixture
{
    GraphWindowFixture()
        : windows(QStringList())
        , main(*windows.mainWindow)
        , graph(*windows.graphWindow)
    {
        main.setPrompter(prompter);
        graph.setPrompter(prompter);
        Session session = sessionWithTimes(PulsedSession, {"1:00.0", "2:00.0", "1:00.0"});
        session.name = u"wired"_s;
        session.cells.setCell(1, 3, u"20.0"_s);
        session.cells.setCell(1, 13, u"1"_s);
        session.cells.setCell(1, 14, u"2"_s);
        main.document().replace(session, false);
        main.setSessionShown(true);
        main.show();
    }

    // Until the graph window is up, active and drawn for its maximised size.
    void waitForGraph()
    {
        EXPECT_TRUE(QTest::qWaitForWindowActive(&graph));
        QTest::qWait(50);
    }

    ScriptedPrompter prompter;
    MirandelWindows windows;
    MainWindow &main;
    GraphWindow &graph;
};
} // namespace

TEST(GraphWindow, OpensFromTheMainWindowSwitchesModeAndReturns)
{
    GraphWindowFixture f;
    EXPECT_EQ(f.main.timing().totalSeconds(), 360);
    menuCommand(f.main, u"Graph by &Segments"_s)->trigger();
    EXPECT_TRUE(f.main.isHidden());
    f.waitForGraph();
    GraphWindow &graph = f.graph;
    EXPECT_TRUE(graph.windowState() & Qt::WindowMaximized);
    EXPECT_EQ(graph.windowTitle(), u"Segment Graph of [wired]"_s);
    EXPECT_EQ(graph.mode(), GraphKind::Segment);
    EXPECT_EQ(graph.totalSeconds(), 360);

    // The scroll box: right-aligned, 30 narrower and 50 lower than the window.
    const QRect box = graph.scrollBox()->geometry();
    EXPECT_EQ(box.right(), graph.scaleStrip()->width() - 1);
    EXPECT_EQ(box.width(), std::min(graph.frameGeometry().width() - 30, graph.scaleStrip()->width()));
    EXPECT_EQ(box.height(), std::min(graph.frameGeometry().height() - 50, graph.scaleStrip()->height()));
    const GraphGeometry geometry(box.width(), box.height());
    const int p = std::clamp((box.width() - 50) / 3, 30, 100);
    ASSERT_EQ(graph.bitmap().size(), QSize(3 * p + 1, geometry.baseline + 1));
    EXPECT_EQ(graph.scrollBox()->widget()->width(), 3 * p + 50);
    EXPECT_EQ(graph.scaleStrip()->ticks().first().tick.y1(), geometry.frequencyY(160));

    // What the window shows is the bitmap: "7.83", then 20 Hz once.
    const QImage shown = graph.imageLabel()->grab().toImage();
    const int y783 = geometry.frequencyY(31);
    const int y20 = geometry.frequencyY(80);
    EXPECT_EQ(shown.pixel(p / 2, y783), qRgb(0, 0, 0));
    EXPECT_EQ(shown.pixel(p + p / 2, y20), qRgb(0, 0, 0));
    EXPECT_EQ(shown.pixel(p / 2, y783 - 3), graph.bitmap().pixel(p / 2, y783 - 3));

    menuCommand(graph, u"&Time Graph"_s)->trigger();
    EXPECT_EQ(graph.windowTitle(), u"Time Graph of [wired]"_s);
    EXPECT_EQ(graph.mode(), GraphKind::Time);
    // Six minutes played, the two-minute loop twice: M = 6 + 5.
    const int k = box.width() / 11;
    EXPECT_EQ(graph.bitmap().width(), 6 * k + 1);
    EXPECT_EQ(graph.bitmap().pixel(2 * k, y20), qRgb(0, 0, 0));
    EXPECT_EQ(graph.bitmap().pixel(4 * k, y20), qRgb(0, 0, 0));
    EXPECT_EQ(graph.bitmap().pixel(5 * k + k / 2, y783), qRgb(0, 0, 0));

    menuCommand(graph, u"Sp&readsheet"_s)->trigger();
    EXPECT_TRUE(graph.isHidden());
    EXPECT_TRUE(f.main.isVisible());
    EXPECT_TRUE(graph.bitmap().isNull());
    EXPECT_TRUE(graph.imageLabel()->pixmap().isNull());
    EXPECT_EQ(graph.mode(), GraphKind::Time);
    EXPECT_TRUE(f.prompter.errors.isEmpty());
}

TEST(GraphWindow, EveryOpeningRedrawsFromTheCurrentSession)
{
    GraphWindowFixture f;
    menuCommand(f.main, u"Graph by &Time"_s)->trigger();
    f.waitForGraph();
    const int firstWidth = f.graph.bitmap().width();
    f.graph.close();
    EXPECT_TRUE(f.main.isVisible());

    // An edit that refreshes the timing, as a segment command does.
    f.main.document().edit({u"edit"_s, {0, 1}, 1}, [](Session &session) {
        session.name = u"renamed"_s;
        session.cells.setCell(2, 1, u"5:00.0"_s);
    });
    menuCommand(f.main, u"Graph by &Time"_s)->trigger();
    f.waitForGraph();
    EXPECT_EQ(f.graph.windowTitle(), u"Time Graph of [renamed]"_s);
    EXPECT_EQ(f.graph.totalSeconds(), 600);
    const int secondWidth = f.graph.bitmap().width();
    EXPECT_NE(secondWidth, firstWidth);

    // Every activation draws from scratch, from the cells as they are.
    f.main.document().edit({}, [](Session &session) { session.cells.setCell(2, 1, u"0:30.0"_s); });
    QEvent activate(QEvent::WindowActivate);
    QCoreApplication::sendEvent(&f.graph, &activate);
    EXPECT_LT(f.graph.bitmap().width(), secondWidth);
}

TEST(GraphWindow, ATimeThatIsNotANumberIsReportedOnce)
{
    GraphWindowFixture f;
    menuCommand(f.main, u"Graph by &Segments"_s)->trigger();
    f.waitForGraph();
    const QImage segmentGraph = f.graph.bitmap();
    f.main.document().edit({}, [&](Session &edited) { edited.cells.setCell(2, 1, u"1:0x.0"_s); });
    menuCommand(f.graph, u"&Time Graph"_s)->trigger();
    QTest::qWait(50);
    EXPECT_EQ(f.prompter.errors, QStringList{u"'0x' is not a valid integer value"_s});
    // Nothing of the time graph was drawn: the window keeps its picture.
    EXPECT_EQ(f.graph.windowTitle(), u"Segment Graph of [wired]"_s);
    EXPECT_EQ(f.graph.bitmap(), segmentGraph);
    EXPECT_TRUE(f.graph.isVisible());
}

TEST(GraphWindow, ComingBackFromTheErrorBoxDoesNotDrawAgain)
{
    // An error box takes the focus from the window, as a real one does.
    struct FocusTakingPrompter : ScriptedPrompter
    {
        void error(const QString &text) override
        {
            ScriptedPrompter::error(text);
            QEvent deactivate(QEvent::WindowDeactivate);
            QCoreApplication::sendEvent(window, &deactivate);
        }
        QWidget *window = nullptr;
    } prompter;
    GraphWindowFixture f;
    prompter.window = &f.graph;
    f.graph.setPrompter(prompter);
    f.main.document().edit({}, [&](Session &edited) { edited.cells.setCell(0, 13, u"x"_s); });
    menuCommand(f.main, u"Graph by &Time"_s)->trigger();
    f.waitForGraph();
    ASSERT_EQ(prompter.errors.size(), 1);

    QEvent activate(QEvent::WindowActivate);
    QCoreApplication::sendEvent(&f.graph, &activate); // the error box closed
    EXPECT_EQ(prompter.errors.size(), 1);
    QCoreApplication::sendEvent(&f.graph, &activate); // the user came back
    EXPECT_EQ(prompter.errors.size(), 2);
}

// Escape returns to the spreadsheet; Save Picture writes the last drawing
// with its scale and is offered only while there is one.
TEST(GraphWindow, SavesItsPictureAndEscapeReturns)
{
    GraphWindowFixture f;
    QAction *save = menuCommand(f.graph, u"Save &Picture\u2026"_s);
    ASSERT_NE(save, nullptr);
    menuCommand(f.main, u"Graph by &Time"_s)->trigger();
    f.waitForGraph();
    EXPECT_TRUE(save->isEnabled());
    QTemporaryDir dir;
    const QString png = dir.filePath(u"graph.png"_s);
    ASSERT_TRUE(f.graph.savePicture(png));
    EXPECT_EQ(QImage(png).size(), f.graph.bitmap().size() + QSize(30, 16));
    EXPECT_FALSE(f.graph.savePicture(dir.filePath(u"no/such/graph.svg"_s)));
    EXPECT_EQ(f.prompter.errors.size(), 1);

    typeKey(&f.graph, Qt::Key_Escape);
    EXPECT_TRUE(f.graph.isHidden());
    EXPECT_TRUE(f.main.isVisible());
    EXPECT_FALSE(save->isEnabled());
}

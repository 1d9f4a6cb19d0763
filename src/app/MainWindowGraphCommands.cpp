// The graph window commands.
#include "app/MainWindow.h"
#include "app/MirandelWindows.h"
#include "app/windows/GraphWindow.h"

void MainWindow::showSegmentGraph()
{
    openGraphWindow(GraphKind::Segment);
}

void MainWindow::showTimeGraph()
{
    openGraphWindow(GraphKind::Time);
}

void MainWindow::openGraphWindow(GraphKind mode)
{
    GraphWindow &graph = *mWindows.graphWindow;
    graph.setGraph(mode, session().name, timing().totalSeconds());
    hide();
    setWindowState(Qt::WindowNoState);
    // Showing activates the graph window, and activation draws.
    graph.show();
    graph.raise();
    graph.activateWindow();
}

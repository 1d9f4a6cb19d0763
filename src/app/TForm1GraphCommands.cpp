// The graph window commands.
#include "app/MirandelWindows.h"
#include "app/TForm1.h"
#include "views/forms/TForm4.h"

void TForm1::seggraphClick()
{
    openGraphWindow(GraphKind::Segment);
}

void TForm1::TimegraphClick()
{
    openGraphWindow(GraphKind::Time);
}

void TForm1::openGraphWindow(GraphKind mode)
{
    TForm4 &graph = *mWindows.Form4;
    graph.GraphSessionName = mSession.SessionName;
    graph.GraphMode = mode;
    graph.GraphTotalSeconds = mSession.SessionTotalSeconds;
    hide();
    setWindowState(Qt::WindowNoState);
    // Showing activates the graph window, and activation draws.
    graph.show();
    graph.raise();
    graph.activateWindow();
}

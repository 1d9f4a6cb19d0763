#pragma once

#include <QStringList>
#include <memory>

class MainWindow;
class SessionKindDialog;
class GraphWindow;
class SessionNameDialog;
class IntroductionWindow;
class PortDialog;
class PreviewController;
class SessionDescriptionDialog;
class TimelineWindow;
class SessionRecovery;

// The program's windows, created once in their fixed order and kept
// until the end.
struct MirandelWindows
{
    explicit MirandelWindows(const QStringList &arguments);
    ~MirandelWindows();

    // The main window, with the introduction on top of it.
    void showAtStart();
    // For start-up benchmarks: the program ends at the main window's first paint.
    void quitAfterFirstPaint();
    // What keeps the main window's unsaved changes safe.
    SessionRecovery &recovery();

    std::unique_ptr<MainWindow> mainWindow;
    std::unique_ptr<SessionKindDialog> sessionKindDialog;
    std::unique_ptr<GraphWindow> graphWindow;
    std::unique_ptr<SessionNameDialog> sessionNameDialog;
    std::unique_ptr<IntroductionWindow> introductionWindow;
    std::unique_ptr<SessionDescriptionDialog> sessionDescriptionDialog;
    std::unique_ptr<PortDialog> portDialog;
    // Play and Export Audio, in the main and the graph window.
    std::unique_ptr<PreviewController> preview;
    // Beside the spreadsheet: the session over time.
    std::unique_ptr<TimelineWindow> timelineWindow;
};

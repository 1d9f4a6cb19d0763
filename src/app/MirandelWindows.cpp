#include "app/MirandelWindows.h"

#include "app/DeferredIconStyle.h"
#include "app/FirstPaintProbe.h"
#include "app/MainWindow.h"
#include "app/PreviewController.h"
#include "app/dialogs/PortDialog.h"
#include "app/dialogs/SessionDescriptionDialog.h"
#include "app/dialogs/SessionNameDialog.h"
#include "app/dialogs/SessionKindDialog.h"
#include "app/windows/GraphWindow.h"
#include "app/timeline/TimelineWindow.h"
#include "app/windows/IntroductionWindow.h"

MirandelWindows::MirandelWindows(const QStringList &arguments)
{
    DeferredIconStyle::install();
    mainWindow = std::make_unique<MainWindow>(*this, arguments);
    sessionKindDialog = std::make_unique<SessionKindDialog>();
    SessionEditor &editor = mainWindow->editor();
    graphWindow = std::make_unique<GraphWindow>(*mainWindow, editor.document());
    sessionNameDialog = std::make_unique<SessionNameDialog>();
    introductionWindow = std::make_unique<IntroductionWindow>();
    sessionDescriptionDialog = std::make_unique<SessionDescriptionDialog>();
    portDialog = std::make_unique<PortDialog>();
    preview = std::make_unique<PreviewController>(editor, *graphWindow, *mainWindow);
    timelineWindow = std::make_unique<TimelineWindow>(editor, *preview, *mainWindow);
    mainWindow->gatherWindows();
}

MirandelWindows::~MirandelWindows() = default;

void MirandelWindows::quitAfterFirstPaint()
{
    new FirstPaintProbe(mainWindow.get());
}

SessionRecovery &MirandelWindows::recovery()
{
    return mainWindow->recovery();
}

void MirandelWindows::showAtStart()
{
    mainWindow->show();
    timelineWindow->restore();
    introductionWindow->show();
    introductionWindow->raise();
}

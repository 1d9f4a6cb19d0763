#include "DefaultSegments.h"
#include "MenuCommands.h"
#include "ScriptedPrompter.h"
#include "TestSupport.h"

#include "app/MainWindow.h"
#include "app/MirandelWindows.h"
#include "app/dialogs/PortDialog.h"

#include <QAction>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

// No port is ever opened here: the port in force is 0.
TEST(DeviceCommands, DownloadMenuCommandsRunTheDownloadOnThePortInForce)
{
    MirandelWindows windows({});
    MainWindow &window = *windows.mainWindow;
    ScriptedPrompter prompter;
    window.setPrompter(prompter);
    window.document().replace(sessionOfDefaultSegments(PulsedSession, 2), false);
    window.setSessionShown(true);
    window.setPortNumber(0);
    for (QAction *command : {menuCommand(window, u"Download (&Append)"_s), menuCommand(window, u"Download (&Clear)"_s)}) {
        prompter.errors.clear();
        command->trigger();
        EXPECT_EQ(prompter.errors, QStringList({u"No COM port is selected"_s, u"Download aborted"_s}))
            << command->text();
        EXPECT_FALSE(prompter.busy);
    }
}

TEST(DeviceCommands, SetCommPortShowsThePortDialogAndCancelKeepsThePort)
{
    MirandelWindows windows({});
    MainWindow &window = *windows.mainWindow;
    ScriptedPrompter prompter;
    window.setPrompter(prompter);
    window.setPortNumber(0);
    bool shown = false;
    QTimer::singleShot(0, windows.portDialog.get(), [&] {
        shown = windows.portDialog->isVisible();
        windows.portDialog->cancelButton()->click();
    });
    menuCommand(window, u"Set Comm &Port"_s)->trigger();
    EXPECT_TRUE(shown);
    EXPECT_EQ(window.portNumber(), 0);
    EXPECT_TRUE(prompter.log.isEmpty());
}

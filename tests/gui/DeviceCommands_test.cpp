#include "DefaultSegments.h"
#include "ScriptedPrompter.h"
#include "TestSupport.h"

#include "app/MirandelWindows.h"
#include "app/TForm1.h"
#include "device/forms/TForm8.h"

#include <QAction>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

// No port is ever opened here: the port in force is 0.
TEST(DeviceCommands, DownloadMenuCommandsRunTheDownloadOnThePortInForce)
{
    MirandelWindows windows({});
    TForm1 &form1 = *windows.Form1;
    ScriptedPrompter prompter;
    form1.setPrompter(prompter);
    form1.session() = sessionOfDefaultSegments(PulsedSession, 2);
    form1.setSessionShown(true);
    form1.ComPortNumber = 0;
    for (QAction *command : {form1.Downloadappend1, form1.Downloadclear1}) {
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
    TForm1 &form1 = *windows.Form1;
    ScriptedPrompter prompter;
    form1.setPrompter(prompter);
    form1.ComPortNumber = 0;
    bool shown = false;
    QTimer::singleShot(0, windows.Form8.get(), [&] {
        shown = windows.Form8->isVisible();
        windows.Form8->CancelButton->click();
    });
    form1.Comm1->trigger();
    EXPECT_TRUE(shown);
    EXPECT_EQ(form1.ComPortNumber, 0);
    EXPECT_TRUE(prompter.log.isEmpty());
}

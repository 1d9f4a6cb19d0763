#include "DefaultSegments.h"
#include "DevsimProcess.h"
#include "ScriptedPrompter.h"
#include "TestSupport.h"
#include "WaitedDeviceLink.h"

#include "gui/device/DeviceLink.h"
#include "gui/device/SerialLink.h"
#include "core/settings/Settings.h"
#include "app/dialogs/PortDeviceDialog.h"
#include "app/dialogs/PortDialog.h"

#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>

using namespace Qt::Literals::StringLiterals;

namespace {
// The dialog over a virtual device on COM 2 and COM 3; COM 1 and COM 4 do
// not exist. The settings file lives in a temporary folder.
class PortDialogTest : public ::testing::Test
{
protected:
    PortDialogTest()
        : port(portNames(devsim.devicePath()))
        , link(port)
        , settingsFile(dir.filePath(u"MIRANDEL.INI"_s))
    {
    }

    static ComPortNames portNames(const QString &device)
    {
        ComPortNames names = safePortNames();
        names.assign(2, device);
        names.assign(3, device);
        return names;
    }

    // Runs the dialog for the port in force; `user` acts while it is shown
    // and must end it.
    bool run(int &comPortNumber, const std::function<void()> &user, const QString &file = {})
    {
        QTimer::singleShot(0, &dialog, user);
        Settings settings(file.isEmpty() ? settingsFile : file);
        return dialog.choosePort(link, prompter, comPortNumber, settings);
    }

    QList<int> markedPorts() const
    {
        QList<int> marked;
        for (int n = 1; n <= 4; ++n) {
            if (dialog.portButton(n)->isChecked())
                marked.append(n);
        }
        return marked;
    }

    DevsimProcess devsim;
    SerialLink port;
    DeviceLink link;
    ScriptedPrompter prompter;
    PortDialog dialog;
    QTemporaryDir dir;
    QString settingsFile;
};
} // namespace

TEST_F(PortDialogTest, NoPortInForceShowsNoMarkAndOkStoresZero)
{
    int comPort = 0;
    QList<int> marked{-1};
    EXPECT_TRUE(run(comPort, [&] {
        marked = markedPorts();
        dialog.okButton()->click();
    }));
    EXPECT_TRUE(marked.isEmpty());
    EXPECT_EQ(comPort, 0);
    ASSERT_TRUE(QFile::exists(settingsFile));
    EXPECT_EQ(Settings(settingsFile).port(), 0);
}

TEST_F(PortDialogTest, PickedPortIsTriedAndOnlyOkMakesItThePortInForce)
{
    struct Case
    {
        const char *ending;
        bool accepted;
    } const cases[] = {{"ok", true}, {"cancel", false}, {"close box", false}};
    for (const Case &c : cases) {
        Settings(settingsFile).setPort(1);
        int comPort = 1;
        int pending = -1;
        bool portOpenAfterTry = true;
        const QWidget *focus = nullptr;
        const bool accepted = run(comPort, [&] {
            dialog.portButton(3)->click();
            pending = dialog.pendingPort();
            portOpenAfterTry = port.isOpen();
            focus = dialog.focusWidget();
            if (c.accepted)
                dialog.okButton()->click();
            else if (std::string(c.ending) == "cancel")
                dialog.cancelButton()->click();
            else
                dialog.close();
        });
        EXPECT_EQ(accepted, c.accepted) << c.ending;
        EXPECT_EQ(pending, 3) << c.ending;
        EXPECT_FALSE(portOpenAfterTry) << "the tried port is closed again";
        EXPECT_EQ(comPort, c.accepted ? 3 : 1) << c.ending;
        EXPECT_EQ(Settings(settingsFile).port(), c.accepted ? 3 : 1) << c.ending;
        EXPECT_EQ(focus, dialog.okButton()) << c.ending;
        EXPECT_EQ(dialog.portButton(3)->focusPolicy(), Qt::ClickFocus) << "no longer a tab stop";
    }
    EXPECT_TRUE(prompter.log.isEmpty());
}

TEST_F(PortDialogTest, PortThatCannotBeOpenedPutsTheMarkBackOnThePortInForce)
{
    int comPort = 2;
    QList<int> marked;
    int pending = -1;
    run(comPort, [&] {
        dialog.portButton(4)->click();
        marked = markedPorts();
        pending = dialog.pendingPort();
        dialog.okButton()->click();
    });
    EXPECT_EQ(prompter.errors, QStringList{u"COM port could not be opened"_s});
    // The details name the device and the system's reason.
    ASSERT_EQ(prompter.details.size(), 1);
    EXPECT_TRUE(prompter.details.first().startsWith(missingDevicePath(4) + u": "_s)) << prompter.details.first();
    EXPECT_GT(prompter.details.first().size(), missingDevicePath(4).size() + 2);
    EXPECT_EQ(marked, QList<int>{2});
    EXPECT_EQ(pending, 2);
    EXPECT_EQ(comPort, 2);
}

TEST_F(PortDialogTest, EachPortShowsTheDeviceItOpensHere)
{
    int comPort = 0;
    QStringList devices;
    run(comPort, [&] {
        for (int n = 1; n <= 4; ++n)
            devices.append(dialog.deviceLabel(n)->toolTip());
        dialog.cancelButton()->click();
    });
    EXPECT_EQ(devices, QStringList({missingDevicePath(1), devsim.devicePath(), devsim.devicePath(), missingDevicePath(4)}));
    EXPECT_EQ(dialog.deviceLabel(2)->text(), devsim.devicePath());
}

TEST_F(PortDialogTest, CheckSystemConnectionTalksToThePickedPortBeforeItIsInForce)
{
    int comPort = 1;
    bool portOpenAfterCheck = true;
    run(comPort, [&] {
        dialog.portButton(2)->click();
        dialog.checkButton()->click();
        // The window stays alive during the identification wait.
        EXPECT_TRUE(QTest::qWaitFor([&] { return dialog.checkButton()->isEnabled(); }));
        portOpenAfterCheck = port.isOpen();
        dialog.okButton()->click();
    });
    EXPECT_EQ(prompter.log,
              QStringList{u"information: Ambrion, rev 2.3 has 10 sessions and 1000 segments available"_s});
    EXPECT_FALSE(portOpenAfterCheck);
    EXPECT_FALSE(prompter.busy);
    EXPECT_EQ(devsim.nextReport().value(u"event"_s).toString(), u"identify"_s);
    EXPECT_EQ(comPort, 2);
    EXPECT_EQ(Settings(settingsFile).port(), 2);
}

TEST_F(PortDialogTest, CancelDuringTheCheckEndsItAndClosesTheDialogAtOnce)
{
    int comPort = 2;
    bool onlyCancelOpen = false;
    QElapsedTimer sinceCancel;
    const bool accepted = run(comPort, [&] {
        dialog.checkButton()->click();
        onlyCancelOpen = !dialog.okButton()->isEnabled() && !dialog.checkButton()->isEnabled()
                      && !dialog.portButton(1)->isEnabled() && dialog.cancelButton()->isEnabled();
        sinceCancel.start();
        dialog.cancelButton()->click();
    });
    EXPECT_FALSE(accepted);
    EXPECT_TRUE(onlyCancelOpen);
    EXPECT_LT(sinceCancel.elapsed(), 200);
    EXPECT_TRUE(prompter.log.isEmpty()) << prompter.log.join(u" / "_s);
    EXPECT_FALSE(prompter.busy);
    EXPECT_FALSE(link.isBusy());
    EXPECT_FALSE(port.isOpen());
    EXPECT_EQ(comPort, 2);
}

TEST_F(PortDialogTest, CheckSystemConnectionWithoutAPortSaysSo)
{
    int comPort = 0;
    run(comPort, [&] {
        dialog.checkButton()->click();
        dialog.cancelButton()->click();
    });
    EXPECT_EQ(prompter.errors, QStringList{u"No COM port is selected"_s});
    EXPECT_FALSE(prompter.busy);
}

TEST_F(PortDialogTest, SettingsFileThatCannotBeWrittenIsReportedAndTheChoiceStillHolds)
{
    // A folder that cannot exist: its parent is a plain file.
    const QString blocker = dir.filePath(u"plain-file"_s);
    QFile file(blocker);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    const QString unwritable = blocker + u"/MIRANDEL.INI"_s;
    int comPort = 0;
    run(
        comPort,
        [&] {
            dialog.portButton(3)->click();
            dialog.okButton()->click();
        },
        unwritable);
    EXPECT_EQ(prompter.errors, QStringList{u"Unable to write to "_s + unwritable});
    EXPECT_EQ(comPort, 3);
}

// The virtual device is no port the system lists: its path, typed into the
// device chooser of COM 4, is saved as the port's device, and COM 4 then
// opens it for a download.
TEST(PortDialogDevice, ADeviceChosenForAPortIsSavedAndTheDownloadReachesIt)
{
    DevsimProcess devsim;
    QTemporaryDir dir;
    Settings settings(dir.filePath(u"MIRANDEL.INI"_s));
    SerialLink port{ComPortNames(settings)};
    WaitedDeviceLink link(port);
    ScriptedPrompter prompter;
    PortDialog dialog;
    PortDeviceDialog *chooser = dialog.deviceDialog();
    QString offered;
    int pending = -1;
    QTimer::singleShot(0, &dialog, [&] {
        QTimer::singleShot(0, chooser, [&] {
            offered = chooser->pathEdit()->text();
            chooser->pathEdit()->setText(devsim.devicePath());
            chooser->okButton()->click();
        });
        dialog.deviceButton(4)->click();
        pending = dialog.pendingPort();
        dialog.okButton()->click();
    });
    int comPort = 0;
    ASSERT_TRUE(dialog.choosePort(link, prompter, comPort, settings));
    EXPECT_EQ(offered, ComPortNames::standardName(4));
    EXPECT_EQ(pending, 4);
    EXPECT_EQ(comPort, 4);
    EXPECT_EQ(Settings(settings.path()).portDevice(4), devsim.devicePath());
    EXPECT_EQ(dialog.deviceLabel(4)->toolTip(), devsim.devicePath());

    EXPECT_TRUE(link.download(true, sessionOfDefaultSegments(PulsedSession, 1), comPort, prompter));
    EXPECT_EQ(devsim.nextReport(u"download"_s).value(u"outcome"_s).toString(), u"stored"_s);
    EXPECT_TRUE(prompter.log.isEmpty()) << prompter.log.join(u" / "_s);
}

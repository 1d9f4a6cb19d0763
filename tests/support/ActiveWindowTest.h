#pragma once

#include "ScriptedPrompter.h"

#include "app/MainWindow.h"
#include "app/MirandelWindows.h"

#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

// The real main window, offscreen and active, answering through a script;
// public, for the tables of test steps that reach into it.
class ActiveWindowTest : public ::testing::Test
{
public:
    void SetUp() override
    {
        window.setPrompter(prompter);
        window.show();
        QApplication::setActiveWindow(&window);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    // Shown as Open shows a session, with the first time cell selected.
    void showSession(const Session &session)
    {
        window.document().replace(session, false);
        window.setSessionShown(true);
        window.selectCell({0, TimeRow});
    }

    MirandelWindows windows{QStringList()};
    MainWindow &window = *windows.mainWindow;
    ScriptedPrompter prompter;
};

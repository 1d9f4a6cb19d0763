// The preview's commands in the menus: every access key and shortcut free.
#include "MenuCommands.h"
#include "TestSupport.h"
#include "app/MainWindow.h"
#include "app/MirandelWindows.h"
#include "app/windows/GraphWindow.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

TEST(PreviewMenus, BothWindowsOfferThePreviewWithFreeKeys)
{
    MirandelWindows windows{QStringList()};
    const struct
    {
        const QMainWindow &window;
        const char *menus; // the menu bar's entries, in order
    } cases[] = {{*windows.mainWindow, "&File|&Edit|&Download|&View|&Preview|&Help"},
                 {*windows.graphWindow, "&Graphic Control|Sp&readsheet|&Preview"}};
    for (const auto &c : cases) {
        QStringList menus;
        for (const QAction *entry : c.window.menuBar()->actions())
            menus << entry->text();
        EXPECT_EQ(menus.join(u'|'), QString::fromLatin1(c.menus));
        EXPECT_EQ(clashes(c.window), QStringList());
        QStringList preview;
        for (const QAction *entry : menuOf(c.window, u"&Preview"_s)->actions())
            preview << entry->text() + u' ' + entry->shortcut().toString();
        EXPECT_EQ(preview, QStringList({u"&Play from Selected Segment F5"_s, u"P&ause F6"_s, u"&Stop F7"_s, u" "_s,
                                        u"&Beds\u2026 "_s}));
    }
    // Export Audio comes before Exit, which stays last.
    const QList<QAction *> file = menuOf(*windows.mainWindow, u"&File"_s)->actions();
    ASSERT_GE(file.size(), 2);
    EXPECT_EQ(file.at(file.size() - 2)->text(), u"&Export Audio\u2026"_s);
    EXPECT_EQ(file.last()->text(), u"E&xit"_s);
}

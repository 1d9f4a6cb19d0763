// File > New from Template in the window: the shipped templates with their
// pictures, one of them opened as a new session.
#include "MenuCommands.h"
#include "ScriptedPrompter.h"
#include "app/MainWindow.h"
#include "app/MirandelWindows.h"
#include "app/dialogs/TemplateDialog.h"

#include <QApplication>
#include <QPushButton>
#include <QStandardPaths>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

TEST(TemplateDialogTest, ShowsTheTemplatesWithPicturesAndOpensOne)
{
    QStandardPaths::setTestModeEnabled(true);
    ScriptedPrompter prompter;
    MirandelWindows windows({});
    MainWindow *window = windows.mainWindow.get();
    window->setPrompter(prompter);
    windows.showAtStart();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));

    int pictures = 0;
    QTimer::singleShot(0, window, [&] {
        auto *dialog = qobject_cast<TemplateDialog *>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        const QTreeWidgetItem *shipped = dialog->list()->topLevelItem(0);
        for (int i = 0; i < shipped->childCount(); ++i) {
            const QPixmap picture = shipped->child(i)->icon(0).pixmap(TemplateDialog::PictureSize);
            pictures += !picture.isNull() && picture.toImage().pixelColor(2, 2) != Qt::white;
            if (shipped->child(i)->text(0) == u"Study"_s)
                dialog->list()->setCurrentItem(shipped->child(i));
        }
        QTest::keyClick(dialog->list(), Qt::Key_Return);
    });
    menuCommand(*window, u"New &from Template\u2026"_s)->trigger();
    EXPECT_GE(pictures, 12);
    EXPECT_EQ(window->session().cells.columnCount(), 4);
    EXPECT_EQ(window->session().cells.cell(1, LoopSegsRow), u"2"_s);
    EXPECT_EQ(window->session().name, u"unnamed"_s);
    EXPECT_TRUE(window->document().isModified());
    EXPECT_TRUE(window->sessionTable()->isVisible());
    EXPECT_TRUE(prompter.log.isEmpty());
}

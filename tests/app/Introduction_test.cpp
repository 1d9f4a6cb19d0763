#include "ScriptedPrompter.h"
#include "TestSupport.h"
#include "UserInput.h"

#include "app/MainWindow.h"
#include "app/MirandelWindows.h"
#include "app/windows/IntroductionWindow.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

// Counts the key presses that get through to a window's own handling.
class KeyCounter : public QObject
{
public:
    int keys = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::KeyPress)
            ++keys;
        return false;
    }
};

// The program's windows as at start: the introduction over the main window.
class IntroductionTest : public testing::Test
{
protected:
    void SetUp() override
    {
        window.setPrompter(prompter);
        window.show();
        intro.show();
        // The offscreen platform activates every window it shows; a desktop
        // leaves the keyboard with the main window, which is what counts here.
        QApplication::processEvents();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        ASSERT_TRUE(intro.isVisible());
    }

    MirandelWindows windows{QStringList()};
    MainWindow &window = *windows.mainWindow;
    IntroductionWindow &intro = *windows.introductionWindow;
    ScriptedPrompter prompter;
};

const QStringList IntroText{
    QString(28, u' ') + u"MIRANDEL 2.0"_s,
    u" "_s,
    u"Welcome to Veltrano Mirandel"_s,
    u"Mirandel 2.0 allows you to create, edit, and view"_s,
    u"Ambrion and Calidor sessions in a spreadsheet format, operating"_s,
    u"with familiar Windows operations. The HELP system is complete"_s,
    u"and should answer most of your questions. You can call up an"_s,
    u"existing session design with FILE OPEN, or start a new one"_s,
    u"with FILE NEW. The session spreadsheet navigation and"_s,
    u"editing tools are intuitive and described in HELP."_s,
    u" "_s,
    u"Press any key to continue..."_s,
};

TEST_F(IntroductionTest, ShowsItsTwelveLinesAtEveryShow)
{
    EXPECT_EQ(intro.textEdit()->toPlainText().split(u'\n'), IntroText);
    intro.textEdit()->setPlainText(u"something else"_s);
    intro.hide();
    intro.show();
    EXPECT_EQ(intro.textEdit()->toPlainText().split(u'\n'), IntroText);
    EXPECT_TRUE(prompter.errors.isEmpty());
}

TEST_F(IntroductionTest, LooksAsDesigned)
{
    EXPECT_EQ(intro.windowTitle(), u"Introduction"_s);
    EXPECT_EQ(intro.size(), QSize(626, 404));
    const Qt::WindowFlags flags = intro.windowFlags();
    EXPECT_TRUE(flags.testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowSystemMenuHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMinMaxButtonsHint));
    // The keyboard stays with the main window.
    EXPECT_TRUE(flags.testFlag(Qt::WindowDoesNotAcceptFocus));
    EXPECT_TRUE(intro.testAttribute(Qt::WA_ShowWithoutActivating));
    EXPECT_EQ(intro.palette().color(QPalette::Window), intro.palette().color(QPalette::Highlight));

    EXPECT_EQ(intro.titleLabel()->text(), u"MIRANDEL"_s);
    EXPECT_EQ(intro.titleLabel()->geometry(), QRect(122, 8, 241, 25));
    EXPECT_EQ(intro.titleLabel()->alignment(), Qt::AlignCenter);
    EXPECT_EQ(intro.titleLabel()->font().pixelSize(), 21);
    EXPECT_EQ(intro.titleLabel()->palette().color(QPalette::Window), QColor(255, 0, 255));
    EXPECT_EQ(intro.titleLabel()->palette().color(QPalette::WindowText), QColor(Qt::black));

    EXPECT_EQ(intro.textEdit()->geometry(), QRect(8, 40, 473, 300));
    EXPECT_EQ(intro.textEdit()->palette().color(QPalette::Disabled, QPalette::Base), QColor(0, 255, 255));
    EXPECT_TRUE(intro.textEdit()->isReadOnly());
    EXPECT_FALSE(intro.textEdit()->isEnabled());
    EXPECT_EQ(intro.textEdit()->focusPolicy(), Qt::NoFocus);
}

TEST_F(IntroductionTest, FirstKeyInTheMainWindowOnlyClosesIt)
{
    const QPointer<IntroductionWindow> guard(&intro);
    KeyCounter counter;
    window.installEventFilter(&counter);

    typeKey(&window, Qt::Key_A);
    EXPECT_FALSE(intro.isVisible());
    EXPECT_EQ(counter.keys, 0) << "the closing key went on to the main window";
    ASSERT_FALSE(guard.isNull()) << "the introduction must be hidden, not destroyed";

    typeKey(&window, Qt::Key_A);
    EXPECT_EQ(counter.keys, 1);
    EXPECT_FALSE(intro.isVisible());
    window.removeEventFilter(&counter);
}

TEST_F(IntroductionTest, SpaceOnlyClosesItAndStartsNoPreview)
{
    QAction *playOrPause = nullptr;
    for (QAction *action : window.actions()) {
        if (action->shortcut() == QKeySequence(Qt::Key_Space))
            playOrPause = action;
    }
    ASSERT_NE(playOrPause, nullptr);
    QSignalSpy triggered(playOrPause, &QAction::triggered);

    typeKey(&window, Qt::Key_Space);
    EXPECT_FALSE(intro.isVisible());
    EXPECT_EQ(triggered.count(), 0) << "the closing key also worked as a shortcut";
}

TEST_F(IntroductionTest, ClickAnywhereOnItClosesIt)
{
    struct Case
    {
        const char *name;
        QWidget *target;
    };
    const Case cases[] = {
        {"disabled text", intro.textEdit()->viewport()},
        {"title label", intro.titleLabel()},
        {"background", &intro},
    };
    for (const Case &c : cases) {
        intro.show();
        ASSERT_TRUE(intro.isVisible());
        clickMouse(c.target, Qt::LeftButton, {}, QPoint(3, 3));
        EXPECT_FALSE(intro.isVisible()) << c.name;
    }
    EXPECT_EQ(intro.textEdit()->toPlainText().split(u'\n'), IntroText);
}

} // namespace

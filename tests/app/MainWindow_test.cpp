#include "MenuCommands.h"
#include "ScriptedPrompter.h"
#include "TestSupport.h"
#include "UserInput.h"
#include "app/MainWindow.h"
#include "app/MirandelWindows.h"
#include "app/dialogs/PortDialog.h"
#include "app/dialogs/SessionDescriptionDialog.h"
#include "app/dialogs/SessionNameDialog.h"
#include "app/dialogs/SessionKindDialog.h"
#include "app/windows/GraphWindow.h"
#include "app/windows/IntroductionWindow.h"

#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {
class MainWindowTest : public ::testing::Test
{
protected:
    void start(const QStringList &arguments = {})
    {
        windows = std::make_unique<MirandelWindows>(arguments);
        window = windows->mainWindow.get();
        window->setPrompter(prompter);
        windows->showAtStart();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    }

    // File > New, answering the New Session Type dialog with the given button.
    void newSession(SessionKind kind)
    {
        SessionKindDialog *dialog = windows->sessionKindDialog.get();
        QTimer::singleShot(0, dialog, [dialog, kind] {
            (kind == PulsedSession ? dialog->pulsedButton() : dialog->dualButton())->click();
        });
        menuCommand(*window, u"&New"_s)->trigger();
    }

    void closeIntroduction()
    {
        if (windows->introductionWindow->isVisible())
            typeKey(window->sessionTable(), Qt::Key_Escape);
    }

    QString label(int row) const { return window->rowLabelTable()->item(row, 0)->text(); }

    ScriptedPrompter prompter;
    std::unique_ptr<MirandelWindows> windows;
    MainWindow *window = nullptr;
};
} // namespace

TEST_F(MainWindowTest, SevenWindowsWithTheirCaptions)
{
    start();
    EXPECT_EQ(window->windowTitle(), u"Mirandel for Ambrion/Calidor - ()"_s);
    EXPECT_EQ(windows->sessionKindDialog->windowTitle(), u"New Session Type"_s);
    EXPECT_EQ(windows->graphWindow->windowTitle(), u"Veltrano Mirandel"_s);
    EXPECT_EQ(windows->sessionNameDialog->windowTitle(), u"Enter Session Name"_s);
    EXPECT_EQ(windows->introductionWindow->windowTitle(), u"Introduction"_s);
    EXPECT_EQ(windows->sessionDescriptionDialog->windowTitle(), u"Session Description"_s);
    EXPECT_EQ(windows->portDialog->windowTitle(), u"COM Port Selection"_s);
    EXPECT_TRUE(windows->introductionWindow->isVisible());
    EXPECT_FALSE(window->isSessionShown());
    EXPECT_EQ(label(StartFreqRow), u"Start Freq"_s);
}

TEST_F(MainWindowTest, LayoutShowsWholeColumnsAtTheTopLeft)
{
    start();
    const int screenWidth = window->screen()->geometry().width();
    const int expectedGrid = 61 * ((screenWidth - 91) / 61) + 1;
    EXPECT_EQ(window->sessionTable()->width(), expectedGrid);
    EXPECT_EQ(window->centralWidget()->width(), expectedGrid + 91);
    EXPECT_EQ(window->buttonRowBottom(), 425);
    EXPECT_EQ(window->centralWidget()->height(), 430);
}

TEST_F(MainWindowTest, WithoutASessionTheSessionCommandsAreInert)
{
    start();
    closeIntroduction();
    emit menuOf(*window, u"&Edit"_s)->aboutToShow();
    emit menuOf(*window, u"&File"_s)->aboutToShow();
    const QStringList sessionCommands = {u"&Save"_s,           u"Save &As"_s,           u"&Print"_s,
                                         u"&Copy Segment"_s,   u"&Paste Segment"_s,     u"Cu&t Segment"_s,
                                         u"&Insert Segment"_s, u"&Name Session"_s,      u"Download (&Append)"_s,
                                         u"Download (&Clear)"_s, u"Graph by &Segments"_s, u"Graph by &Time"_s};
    for (const QString &caption : sessionCommands)
        EXPECT_FALSE(menuCommand(*window, caption)->isEnabled()) << caption;
    const QStringList otherCommands = {u"&New"_s,      u"&Open"_s,     u"E&xit"_s,  u"Set Comm &Port"_s,
                                       u"Session &Description"_s, u"&Contents"_s, u"Conte&xt"_s, u"&About"_s};
    for (const QString &caption : otherCommands)
        EXPECT_TRUE(menuCommand(*window, caption)->isEnabled()) << caption;

    QSignalSpy copied(menuCommand(*window, u"&Copy Segment"_s), &QAction::triggered);
    QSignalSpy inserted(menuCommand(*window, u"&Insert Segment"_s), &QAction::triggered);
    window->activateWindow();
    typeKey(window, Qt::Key_C, Qt::ControlModifier);
    typeKey(window, Qt::Key_Insert, Qt::ControlModifier);
    typeKey(window, Qt::Key_N);
    typeKey(window, Qt::Key_Plus);
    EXPECT_EQ(copied.count(), 0);
    EXPECT_EQ(inserted.count(), 0);
    EXPECT_EQ(window->session().cells.columnCount(), 1);
    EXPECT_EQ(window->document().isModified(), 0);
    EXPECT_TRUE(prompter.log.isEmpty());
}

TEST_F(MainWindowTest, FirstKeyOnlyClosesTheIntroduction)
{
    start();
    newSession(PulsedSession);
    ASSERT_TRUE(windows->introductionWindow->isVisible());
    const QString before = window->session().cells.cell(0, TimeRow);
    typeKey(window->sessionTable(), Qt::Key_Plus);
    EXPECT_FALSE(windows->introductionWindow->isVisible());
    EXPECT_EQ(window->session().cells.cell(0, TimeRow), before);
    EXPECT_EQ(window->session().cells.columnCount(), 1);
}

TEST_F(MainWindowTest, ClickOnTheIntroductionClosesIt)
{
    start();
    clickMouse(windows->introductionWindow->textEdit()->viewport(), Qt::LeftButton);
    EXPECT_FALSE(windows->introductionWindow->isVisible());
    EXPECT_EQ(windows->introductionWindow->textEdit()->toPlainText().split(u'\n'), IntroductionWindow::introLines());
}

TEST_F(MainWindowTest, NewMakesEitherKindAndShowsIt)
{
    start();
    closeIntroduction();
    newSession(DualBinauralSession);
    EXPECT_TRUE(window->isSessionShown());
    EXPECT_EQ(window->windowTitle(), u"Mirandel for Ambrion/Calidor - [unnamed]"_s);
    EXPECT_EQ(window->session().cells.cell(0, ToneRow), u"dbb"_s);
    EXPECT_EQ(label(Freq1Row), u"Freq 1"_s);
    EXPECT_EQ(label(Pitch2Row), u"Pitch 2"_s);
    EXPECT_EQ(window->sessionTable()->currentIndex().row(), TimeRow);
    EXPECT_EQ(window->timingPanel()->toPlainText(), u"Segment 1 start time 0:0\nSession total time 1:0"_s);
    emit menuOf(*window, u"&View"_s)->aboutToShow();
    EXPECT_TRUE(menuCommand(*window, u"Graph by &Segments"_s)->isEnabled());

    // A new session counts as modified: the next New asks about it first.
    prompter.answerYesNo(false);
    newSession(PulsedSession);
    EXPECT_EQ(prompter.log.last(), u"confirm: Session  has been modified. Save it?"_s);
    EXPECT_EQ(window->session().cells.cell(0, ToneRow), u"PFr"_s);
    EXPECT_EQ(label(StartFreqRow), u"Start Freq"_s);
    EXPECT_EQ(label(PitchRow), u"Pitch"_s);
    EXPECT_EQ(label(TargetFreqRow), u"Target Freq"_s);
    EXPECT_EQ(label(ChordRow), u"Chord"_s);
}

TEST_F(MainWindowTest, SelectingACellRefreshesTheTimingPanel)
{
    start();
    closeIntroduction();
    newSession(PulsedSession);
    window->document().edit({}, [](Session &session) {
        session.cells.setColumnCount(3);
        for (int c = 1; c < 3; ++c) {
            session.cells.setColumn(c, session.cells.column(0));
            session.cells.setCell(c, 0, QString::number(c + 1));
        }
    });
    window->sessionTable()->setCurrentIndex(window->sessionTable()->model()->index(5, 2));
    EXPECT_EQ(window->timingPanel()->toPlainText(), u"Segment 3 start time 2:0\nSession total time 3:0"_s);
    EXPECT_EQ(window->timing().totalSeconds(), 180);
}

TEST_F(MainWindowTest, BadTimeTextIsReportedAndTheProgramGoesOn)
{
    start();
    closeIntroduction();
    newSession(PulsedSession);
    window->document().edit({}, [&](Session &edited) { edited.cells.setCell(0, 1, u"1:xx.0"_s); });
    window->sessionTable()->setCurrentIndex(window->sessionTable()->model()->index(2, 0));
    EXPECT_EQ(prompter.errors, QStringList{u"'xx' is not a valid integer value"_s});
    EXPECT_TRUE(window->isVisible());
}

TEST_F(MainWindowTest, StartupFileNeedsTheExtensionInAnyCaseAndAnExistingFile)
{
    QTemporaryDir dir;
    const auto touch = [&dir](const QString &name) {
        QFile file(dir.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        return file.fileName();
    };
    const QString upper = touch(u"A.LSS"_s);
    const QString lower = touch(u"b.lss"_s);
    const QString other = touch(u"c.txt"_s);
    const struct
    {
        QString argument;
        QString expected;
    } cases[] = {
        {upper, upper},
        {lower, lower},
        {other, QString()},
        {dir.filePath(u"missing.LSS"_s), QString()},
        {dir.path(), QString()},
    };
    for (const auto &c : cases) {
        MirandelWindows windows({c.argument});
        EXPECT_EQ(windows.mainWindow->startupFileName(), c.expected) << c.argument;
    }
}

// The New Session Type dialog runs while the cells are already down to one
// column: the grid, repainting meanwhile, must not read the columns gone.
TEST_F(MainWindowTest, NoCellsBeyondTheSessionWhileTheKindIsAsked)
{
    start();
    closeIntroduction();
    newSession(PulsedSession);
    for (int more = 0; more < 4; ++more)
        typeKey(window->sessionTable(), Qt::Key_N);
    ASSERT_EQ(window->session().cells.columnCount(), 5);

    QStringList shownMeanwhile;
    SessionKindDialog *dialog = windows->sessionKindDialog.get();
    QTimer::singleShot(0, dialog, [&] {
        const QAbstractItemModel *model = window->sessionTable()->model();
        for (int column = 1; column < model->columnCount(); ++column)
            shownMeanwhile.append(model->index(TimeRow, column).data().toString());
        window->sessionTable()->grab();
        dialog->dualButton()->click();
    });
    prompter.answerYesNo(false);
    menuCommand(*window, u"&New"_s)->trigger();
    EXPECT_EQ(shownMeanwhile.join(QString()), QString());
    EXPECT_EQ(window->session().cells.columnCount(), 1);
    EXPECT_EQ(window->sessionTable()->model()->columnCount(), 1);
}

// The empty window says how to begin; the hint goes once a session shows.
TEST_F(MainWindowTest, FirstRunHintShowsOnlyWithoutASession)
{
    start();
    closeIntroduction();
    const auto hint = [this] {
        for (QLabel *label : window->findChildren<QLabel *>()) {
            if (label->text() == u"File > New to design a session, File > New from Template to start from a ready one, File > Open to read one"_s)
                return label;
        }
        return static_cast<QLabel *>(nullptr);
    };
    ASSERT_NE(hint(), nullptr);
    EXPECT_TRUE(hint()->isVisible());
    EXPECT_EQ(hint()->geometry(), window->centralWidget()->rect());
    newSession(PulsedSession);
    EXPECT_FALSE(hint()->isVisible());
    EXPECT_FALSE(window->rowLabelTable()->item(StartFreqRow, 0)->toolTip().isEmpty());
}

// A user's first start shows the safety notice under the hint once the
// introduction is gone; the next start does not.
TEST_F(MainWindowTest, SafetyNoticeShowsAtAUsersFirstStartOnly)
{
    QTemporaryDir config;
    const QByteArray configBefore = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
    const auto notice = [this] { return window->findChild<QLabel *>(u"safetyNotice"_s); };

    start();
    ASSERT_NE(notice(), nullptr);
    EXPECT_TRUE(windows->introductionWindow->isVisible()) << "the introduction comes first";
    closeIntroduction();
    EXPECT_TRUE(notice()->isVisible());
    EXPECT_TRUE(notice()->text().contains(u"guidance, not medical advice"_s));
    newSession(PulsedSession);
    EXPECT_FALSE(notice()->isVisible());

    windows.reset();
    start();
    EXPECT_EQ(notice(), nullptr);
    qputenv("XDG_CONFIG_HOME", configBefore);
}

#include "ScriptedPrompter.h"
#include "TestSupport.h"
#include "app/MirandelWindows.h"
#include "app/TForm1.h"
#include "device/forms/TForm8.h"
#include "files/forms/TForm5.h"
#include "files/forms/TForm9.h"
#include "session/forms/TForm2.h"
#include "views/forms/TForm4.h"
#include "views/forms/TForm7.h"

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
        form1 = windows->Form1.get();
        form1->setPrompter(prompter);
        windows->showAtStart();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form1));
    }

    // File > New, answering the New Session Type dialog with the given button.
    void newSession(int kind)
    {
        TForm2 *dialog = windows->Form2.get();
        QTimer::singleShot(0, dialog, [dialog, kind] {
            (kind == PulsedSession ? dialog->PulsedButton : dialog->DualButton)->click();
        });
        form1->New1->trigger();
    }

    void closeIntroduction()
    {
        if (windows->Form7->isVisible())
            QTest::keyClick(form1->StringGrid1, Qt::Key_Escape);
    }

    QString label(int row) const { return form1->StringGrid2->item(row, 0)->text(); }

    ScriptedPrompter prompter;
    std::unique_ptr<MirandelWindows> windows;
    TForm1 *form1 = nullptr;
};
} // namespace

TEST_F(MainWindowTest, SevenWindowsWithTheirCaptions)
{
    start();
    EXPECT_EQ(form1->windowTitle(), u"Mirandel for Ambrion/Calidor - ()"_s);
    EXPECT_EQ(windows->Form2->windowTitle(), u"New Session Type"_s);
    EXPECT_EQ(windows->Form4->windowTitle(), u"Veltrano Mirandel"_s);
    EXPECT_EQ(windows->Form5->windowTitle(), u"Enter Session Name"_s);
    EXPECT_EQ(windows->Form7->windowTitle(), u"Introduction"_s);
    EXPECT_EQ(windows->Form9->windowTitle(), u"Session Description"_s);
    EXPECT_EQ(windows->Form8->windowTitle(), u"COM Port Selection"_s);
    EXPECT_TRUE(windows->Form7->isVisible());
    EXPECT_FALSE(form1->isSessionShown());
    EXPECT_EQ(label(3), u"Start Freq"_s);
}

TEST_F(MainWindowTest, LayoutShowsWholeColumnsAtTheTopLeft)
{
    start();
    const int screenWidth = form1->screen()->geometry().width();
    const int expectedGrid = 61 * ((screenWidth - 91) / 61) + 1;
    EXPECT_EQ(form1->StringGrid1->width(), expectedGrid);
    EXPECT_EQ(form1->centralWidget()->width(), expectedGrid + 91);
    EXPECT_EQ(form1->ButtonRowBottom, 425);
    EXPECT_EQ(form1->centralWidget()->height(), 430);
}

TEST_F(MainWindowTest, WithoutASessionTheSessionCommandsAreInert)
{
    start();
    closeIntroduction();
    emit form1->Edit1->aboutToShow();
    emit form1->File1->aboutToShow();
    for (QAction *action : {form1->Save1, form1->Saveas1, form1->Print1, form1->CopySegment1, form1->PasteSegment1,
                            form1->CutSegment1, form1->InsertSegment1, form1->Name1, form1->Downloadappend1,
                            form1->Downloadclear1, form1->Seggraph1, form1->Timegraph1})
        EXPECT_FALSE(action->isEnabled()) << action->text();
    for (QAction *action : {form1->New1, form1->Open1, form1->Exit2, form1->Comm1, form1->SessionDescription1,
                            form1->Contents1, form1->Context1, form1->About1})
        EXPECT_TRUE(action->isEnabled()) << action->text();

    QSignalSpy copied(form1->CopySegment1, &QAction::triggered);
    QSignalSpy inserted(form1->InsertSegment1, &QAction::triggered);
    form1->activateWindow();
    QTest::keyClick(form1, Qt::Key_C, Qt::ControlModifier);
    QTest::keyClick(form1, Qt::Key_Insert, Qt::ControlModifier);
    QTest::keyClick(form1, Qt::Key_N);
    QTest::keyClick(form1, Qt::Key_Plus);
    EXPECT_EQ(copied.count(), 0);
    EXPECT_EQ(inserted.count(), 0);
    EXPECT_EQ(form1->session().cells.columnCount(), 1);
    EXPECT_EQ(form1->session().SessionModified, 0);
    EXPECT_TRUE(prompter.log.isEmpty());
}

TEST_F(MainWindowTest, FirstKeyOnlyClosesTheIntroduction)
{
    start();
    newSession(PulsedSession);
    ASSERT_TRUE(windows->Form7->isVisible());
    const QString before = form1->session().cells.cell(0, 1);
    QTest::keyClick(form1->StringGrid1, Qt::Key_Plus);
    EXPECT_FALSE(windows->Form7->isVisible());
    EXPECT_EQ(form1->session().cells.cell(0, 1), before);
    EXPECT_EQ(form1->session().cells.columnCount(), 1);
}

TEST_F(MainWindowTest, ClickOnTheIntroductionClosesIt)
{
    start();
    QTest::mouseClick(windows->Form7->Memo1->viewport(), Qt::LeftButton);
    EXPECT_FALSE(windows->Form7->isVisible());
    EXPECT_EQ(windows->Form7->Memo1->toPlainText().split(u'\n'), TForm7::IntroLines());
}

TEST_F(MainWindowTest, NewMakesEitherKindAndShowsIt)
{
    start();
    closeIntroduction();
    newSession(DualBinauralSession);
    EXPECT_TRUE(form1->isSessionShown());
    EXPECT_EQ(form1->windowTitle(), u"Mirandel for Ambrion/Calidor - [unnamed]"_s);
    EXPECT_EQ(form1->session().cells.cell(0, 2), u"dbb"_s);
    EXPECT_EQ(label(3), u"Freq 1"_s);
    EXPECT_EQ(label(6), u"Pitch 2"_s);
    EXPECT_EQ(form1->StringGrid1->currentIndex().row(), 1);
    EXPECT_EQ(form1->memo1->toPlainText(), u"Segment 1 start time 0:0\nSession total time 1:0"_s);
    emit form1->View1->aboutToShow();
    EXPECT_TRUE(form1->Seggraph1->isEnabled());

    // A new session counts as modified: the next New asks about it first.
    prompter.answerYesNo(false);
    newSession(PulsedSession);
    EXPECT_EQ(prompter.log.last(), u"confirm: Session  has been modified. Save it?"_s);
    EXPECT_EQ(form1->session().cells.cell(0, 2), u"PFr"_s);
    EXPECT_EQ(label(3), u"Start Freq"_s);
    EXPECT_EQ(label(4), u"Pitch"_s);
    EXPECT_EQ(label(5), u"Target Freq"_s);
    EXPECT_EQ(label(6), u"Chord"_s);
}

TEST_F(MainWindowTest, SelectingACellRefreshesTheTimingPanel)
{
    start();
    closeIntroduction();
    newSession(PulsedSession);
    Session &session = form1->session();
    session.cells.setColumnCount(3);
    for (int c = 1; c < 3; ++c) {
        session.cells.setColumn(c, session.cells.column(0));
        session.cells.setCell(c, 0, QString::number(c + 1));
    }
    form1->cellsChanged();
    form1->StringGrid1->setCurrentIndex(form1->StringGrid1->model()->index(5, 2));
    EXPECT_EQ(form1->memo1->toPlainText(), u"Segment 3 start time 2:0\nSession total time 3:0"_s);
    EXPECT_EQ(session.SessionTotalSeconds, 180);
}

TEST_F(MainWindowTest, BadTimeTextIsReportedAndTheProgramGoesOn)
{
    start();
    closeIntroduction();
    newSession(PulsedSession);
    form1->session().cells.setCell(0, 1, u"1:xx.0"_s);
    form1->StringGrid1->setCurrentIndex(form1->StringGrid1->model()->index(2, 0));
    EXPECT_EQ(prompter.errors, QStringList{u"'xx' is not a valid integer value"_s});
    EXPECT_TRUE(form1->isVisible());
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
        EXPECT_EQ(windows.Form1->StartupFileName, c.expected) << c.argument;
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
        QTest::keyClick(form1->StringGrid1, Qt::Key_N);
    ASSERT_EQ(form1->session().cells.columnCount(), 5);

    QStringList shownMeanwhile;
    TForm2 *dialog = windows->Form2.get();
    QTimer::singleShot(0, dialog, [&] {
        const QAbstractItemModel *model = form1->StringGrid1->model();
        for (int column = 1; column < model->columnCount(); ++column)
            shownMeanwhile.append(model->index(1, column).data().toString());
        form1->StringGrid1->grab();
        dialog->DualButton->click();
    });
    prompter.answerYesNo(false);
    form1->New1->trigger();
    EXPECT_EQ(shownMeanwhile.join(QString()), QString());
    EXPECT_EQ(form1->session().cells.columnCount(), 1);
    EXPECT_EQ(form1->StringGrid1->model()->columnCount(), 1);
}

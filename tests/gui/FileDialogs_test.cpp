// The session name and description dialogs and the main window's file
// commands with their real dialogs.
#include "ScriptedPrompter.h"
#include "TestSupport.h"
#include "app/MirandelWindows.h"
#include "app/TForm1.h"
#include "files/forms/TForm5.h"
#include "files/forms/TForm9.h"
#include "session/forms/TForm2.h"

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {
// Runs action on the next modal dialog once it shows (the test's own
// modal loop keeps running meanwhile).
void whenModalShows(const std::function<void(QWidget *)> &action)
{
    auto *timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, timer, [timer, action] {
        if (QWidget *modal = QApplication::activeModalWidget()) {
            timer->stop();
            timer->deleteLater();
            action(modal);
        }
    });
    timer->start(10);
    // A dialog that never shows must not leave the timer to a later test.
    QTimer::singleShot(5000, timer, &QObject::deleteLater);
}

struct MainWindow
{
    explicit MainWindow(const QStringList &arguments = {})
        : windows(arguments)
    {
        form().setPrompter(prompter);
    }
    TForm1 &form() { return *windows.Form1; }

    MirandelWindows windows;
    ScriptedPrompter prompter;
};
} // namespace

TEST(TForm5, ShowsTheEntryAndTakesItBackOnlyWithOK)
{
    const struct
    {
        const char *name;
        std::function<void(TForm5 &)> close;
        int result;
        QString entryAfter;
    } cases[] = {
        {"OK button", [](TForm5 &d) { d.OKBtn->click(); }, QDialog::Accepted, u"Theta 2"_s},
        {"Enter key", [](TForm5 &d) { QTest::keyClick(d.Edit1, Qt::Key_Return); }, QDialog::Accepted, u"Theta 2"_s},
        {"Cancel button", [](TForm5 &d) { d.CancelBtn->click(); }, QDialog::Rejected, u"Theta"_s},
        {"Escape key", [](TForm5 &d) { QTest::keyClick(d.Edit1, Qt::Key_Escape); }, QDialog::Rejected, u"Theta"_s},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        TForm5 dialog;
        dialog.SessionNameEntry = u"Theta"_s;
        dialog.show();
        EXPECT_EQ(dialog.Edit1->text(), u"Theta"_s);
        EXPECT_EQ(dialog.focusWidget(), dialog.Edit1);
        EXPECT_FALSE(dialog.HelpBtn->isVisible());
        QTest::keyClick(dialog.Edit1, Qt::Key_End);
        QTest::keyClicks(dialog.Edit1, u" 2"_s);
        c.close(dialog);
        EXPECT_EQ(dialog.result(), c.result);
        EXPECT_EQ(dialog.SessionNameEntry, c.entryAfter);
        EXPECT_FALSE(dialog.isVisible());
    }
}

TEST(TForm5, TakesANameOfAnyLength)
{
    TForm5 dialog;
    dialog.SessionNameEntry = QString(40000, u'n');
    dialog.show();
    dialog.OKBtn->click();
    EXPECT_EQ(dialog.SessionNameEntry.size(), 40000);
}

TEST(TForm9, HoldsTheLinesAndNoticesEdits)
{
    TForm9 dialog;
    const QStringList lines{u"one"_s, QString(), u"three"_s};
    dialog.setLines(lines);
    dialog.show();
    EXPECT_EQ(dialog.focusWidget(), dialog.Memo1);
    EXPECT_EQ(dialog.lines(), lines);
    EXPECT_FALSE(dialog.isChanged());

    dialog.Memo1->moveCursor(QTextCursor::End);
    QTest::keyClick(dialog.Memo1, Qt::Key_Return);
    QTest::keyClicks(dialog.Memo1, u"four"_s);
    EXPECT_TRUE(dialog.isChanged());
    EXPECT_EQ(dialog.lines(), lines + QStringList{u"four"_s});

    dialog.setLines({});
    EXPECT_EQ(dialog.lines(), QStringList());
    EXPECT_FALSE(dialog.isChanged());

    // Leading empty lines are lines of the description too.
    for (const QStringList &shown : {QStringList{QString(), u"two"_s}, QStringList{QString(), QString(), u"x"_s}}) {
        dialog.setLines(shown);
        EXPECT_EQ(dialog.Memo1->blockCount(), shown.size());
        EXPECT_EQ(dialog.lines(), shown);
    }
}

TEST(TForm1Files, StartupFileOpensAtTheFirstActivationOnly)
{
    MainWindow main({testDataPath(u"described.LSS"_s)});
    TForm1 &form = main.form();
    EXPECT_FALSE(form.isSessionShown());
    form.FormActivate();
    EXPECT_TRUE(form.isSessionShown());
    EXPECT_EQ(form.session().cells.columnCount(), 3);
    EXPECT_EQ(form.windowTitle(), u"Mirandel for Ambrion/Calidor - [Café € “Theta”]"_s);
    EXPECT_EQ(form.StringGrid1->model()->columnCount(), 3);

    form.session().cells.setColumnCount(1);
    form.FormActivate();
    EXPECT_EQ(form.session().cells.columnCount(), 1);
    EXPECT_TRUE(main.prompter.log.isEmpty());
}

TEST(TForm1Files, NewStopsWhenTheSaveAsOfThePromptIsCancelled)
{
    MainWindow main;
    TForm1 &form = main.form();
    form.session().SessionModified = 1;
    form.session().SessionName = u"kept"_s;
    main.prompter.answerYesNo(true);
    QString title;
    QStringList filters;
    QString suffix;
    bool kindAsked = false;
    whenModalShows([&](QWidget *modal) {
        if (auto *dialog = qobject_cast<QFileDialog *>(modal)) {
            title = dialog->windowTitle();
            filters = dialog->nameFilters();
            suffix = dialog->defaultSuffix();
        } else {
            kindAsked = modal == main.windows.Form2.get();
        }
        static_cast<QDialog *>(modal)->reject();
    });
    form.New1Click();
    EXPECT_EQ(main.prompter.log, QStringList(u"confirm: Session  has been modified. Save it?"_s));
    EXPECT_EQ(title, u"Save File As"_s);
    EXPECT_EQ(filters, QStringList(u"Light/Sound Source (LSS) (*.LSS)"_s));
    EXPECT_EQ(suffix, u"LSS"_s);
    EXPECT_FALSE(kindAsked);
    EXPECT_EQ(form.session().SessionName, u"kept"_s);
    EXPECT_EQ(form.session().SessionModified, 1);
}

TEST(TForm1Files, NameSessionThroughTheDialog)
{
    MainWindow main({testDataPath(u"new_pulsed.LSS"_s)});
    TForm1 &form = main.form();
    form.FormActivate();
    QString shownEntry;
    whenModalShows([&](QWidget *modal) {
        auto *dialog = qobject_cast<TForm5 *>(modal);
        ASSERT_NE(dialog, nullptr);
        shownEntry = dialog->Edit1->text();
        dialog->Edit1->setText(u"Delta"_s);
        dialog->OKBtn->click();
    });
    form.Name1Click();
    EXPECT_EQ(shownEntry, u"unnamed"_s);
    EXPECT_EQ(form.session().SessionName, u"Delta"_s);
    EXPECT_EQ(form.session().SessionModified, 1);
    EXPECT_EQ(form.windowTitle(), u"Mirandel for Ambrion/Calidor - (Delta)"_s);
}

TEST(TForm1Files, SessionDescriptionThroughTheDialog)
{
    MainWindow main({testDataPath(u"described.LSS"_s)});
    TForm1 &form = main.form();
    form.FormActivate();
    QStringList shown;
    whenModalShows([&](QWidget *modal) {
        auto *dialog = qobject_cast<TForm9 *>(modal);
        ASSERT_NE(dialog, nullptr);
        shown = dialog->lines();
        dialog->Memo1->selectAll();
        QTest::keyClicks(dialog->Memo1, u"new"_s);
        QTest::keyClick(dialog->Memo1, Qt::Key_Return);
        QTest::keyClick(dialog->Memo1, Qt::Key_Return);
        QTest::keyClicks(dialog->Memo1, u"last"_s);
        dialog->OKButton->click();
    });
    form.SessionDescription1Click();
    EXPECT_EQ(shown, QStringList({u"Line one äöü"_s, QString(), u"Line three"_s}));
    EXPECT_EQ(form.session().DescriptionLines, QStringList({u"new"_s, QString(), u"last"_s}));
    EXPECT_EQ(form.session().SessionModified, 1);
}

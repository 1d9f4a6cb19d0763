// The session name and description dialogs and the main window's file
// commands with their real dialogs.
#include "ScriptedPrompter.h"
#include "TestSupport.h"
#include "UserInput.h"
#include "app/MainWindow.h"
#include "app/MirandelWindows.h"
#include "app/dialogs/SessionDescriptionDialog.h"
#include "app/dialogs/SessionNameDialog.h"
#include "app/dialogs/SessionKindDialog.h"

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

struct Program
{
    explicit Program(const QStringList &arguments = {})
        : windows(arguments)
    {
        window().setPrompter(prompter);
    }
    MainWindow &window() { return *windows.mainWindow; }

    MirandelWindows windows;
    ScriptedPrompter prompter;
};
} // namespace

TEST(SessionNameDialog, ShowsTheEntryAndTakesItBackOnlyWithOK)
{
    const struct
    {
        const char *name;
        std::function<void(SessionNameDialog &)> close;
        int result;
        QString entryAfter;
    } cases[] = {
        {"OK button", [](SessionNameDialog &d) { d.okButton()->click(); }, QDialog::Accepted, u"Theta 2"_s},
        {"Enter key", [](SessionNameDialog &d) { typeKey(d.nameEdit(), Qt::Key_Return); }, QDialog::Accepted,
         u"Theta 2"_s},
        {"Cancel button", [](SessionNameDialog &d) { d.cancelButton()->click(); }, QDialog::Rejected, u"Theta"_s},
        {"Escape key", [](SessionNameDialog &d) { typeKey(d.nameEdit(), Qt::Key_Escape); }, QDialog::Rejected,
         u"Theta"_s},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        SessionNameDialog dialog;
        dialog.setName(u"Theta"_s);
        dialog.show();
        EXPECT_EQ(dialog.nameEdit()->text(), u"Theta"_s);
        EXPECT_EQ(dialog.focusWidget(), dialog.nameEdit());
        EXPECT_FALSE(dialog.helpButton()->isVisible());
        typeKey(dialog.nameEdit(), Qt::Key_End);
        QTest::keyClicks(dialog.nameEdit(), u" 2"_s);
        c.close(dialog);
        EXPECT_EQ(dialog.result(), c.result);
        EXPECT_EQ(dialog.name(), c.entryAfter);
        EXPECT_FALSE(dialog.isVisible());
    }
}

TEST(SessionNameDialog, TakesANameOfAnyLength)
{
    SessionNameDialog dialog;
    dialog.setName(QString(40000, u'n'));
    dialog.show();
    dialog.okButton()->click();
    EXPECT_EQ(dialog.name().size(), 40000);
}

TEST(SessionDescriptionDialog, HoldsTheLinesAndNoticesEdits)
{
    SessionDescriptionDialog dialog;
    const QStringList lines{u"one"_s, QString(), u"three"_s};
    dialog.setLines(lines);
    dialog.show();
    EXPECT_EQ(dialog.focusWidget(), dialog.textEdit());
    EXPECT_EQ(dialog.lines(), lines);
    EXPECT_FALSE(dialog.isChanged());

    dialog.textEdit()->moveCursor(QTextCursor::End);
    typeKey(dialog.textEdit(), Qt::Key_Return);
    QTest::keyClicks(dialog.textEdit(), u"four"_s);
    EXPECT_TRUE(dialog.isChanged());
    EXPECT_EQ(dialog.lines(), lines + QStringList{u"four"_s});

    dialog.setLines({});
    EXPECT_EQ(dialog.lines(), QStringList());
    EXPECT_FALSE(dialog.isChanged());

    // Leading empty lines are lines of the description too.
    for (const QStringList &shown : {QStringList{QString(), u"two"_s}, QStringList{QString(), QString(), u"x"_s}}) {
        dialog.setLines(shown);
        EXPECT_EQ(dialog.textEdit()->blockCount(), shown.size());
        EXPECT_EQ(dialog.lines(), shown);
    }
}

TEST(MainWindowFiles, StartupFileOpensAtTheFirstActivationOnly)
{
    Program main({testDataPath(u"described.LSS"_s)});
    MainWindow &window = main.window();
    EXPECT_FALSE(window.isSessionShown());
    window.openStartupFile();
    EXPECT_TRUE(window.isSessionShown());
    EXPECT_EQ(window.session().cells.columnCount(), 3);
    EXPECT_EQ(window.windowTitle(), u"Mirandel for Ambrion/Calidor - [Café € “Theta”]"_s);
    EXPECT_EQ(window.sessionTable()->model()->columnCount(), 3);

    window.document().edit({}, [&](Session &edited) { edited.cells.setColumnCount(1); });
    window.openStartupFile();
    EXPECT_EQ(window.session().cells.columnCount(), 1);
    EXPECT_TRUE(main.prompter.log.isEmpty());
}

TEST(MainWindowFiles, NewStopsWhenTheSaveAsOfThePromptIsCancelled)
{
    Program main;
    MainWindow &window = main.window();
    window.document().markModified();
    window.document().edit({}, [&](Session &edited) { edited.name = u"kept"_s; });
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
            kindAsked = modal == main.windows.sessionKindDialog.get();
        }
        static_cast<QDialog *>(modal)->reject();
    });
    window.newSession();
    EXPECT_EQ(main.prompter.log, QStringList(u"confirm: Session  has been modified. Save it?"_s));
    EXPECT_EQ(title, u"Save File As"_s);
    EXPECT_EQ(filters, QStringList(u"Light/Sound Source (LSS) (*.LSS)"_s));
    EXPECT_EQ(suffix, u"LSS"_s);
    EXPECT_FALSE(kindAsked);
    EXPECT_EQ(window.session().name, u"kept"_s);
    EXPECT_EQ(window.document().isModified(), 1);
}

TEST(MainWindowFiles, NameSessionThroughTheDialog)
{
    Program main({testDataPath(u"new_pulsed.LSS"_s)});
    MainWindow &window = main.window();
    window.openStartupFile();
    QString shownEntry;
    whenModalShows([&](QWidget *modal) {
        auto *dialog = qobject_cast<SessionNameDialog *>(modal);
        ASSERT_NE(dialog, nullptr);
        shownEntry = dialog->nameEdit()->text();
        dialog->nameEdit()->setText(u"Delta"_s);
        dialog->okButton()->click();
    });
    window.renameSession();
    EXPECT_EQ(shownEntry, u"unnamed"_s);
    EXPECT_EQ(window.session().name, u"Delta"_s);
    EXPECT_EQ(window.document().isModified(), 1);
    EXPECT_EQ(window.windowTitle(), u"Mirandel for Ambrion/Calidor - (Delta)"_s);
}

TEST(MainWindowFiles, SessionDescriptionThroughTheDialog)
{
    Program main({testDataPath(u"described.LSS"_s)});
    MainWindow &window = main.window();
    window.openStartupFile();
    QStringList shown;
    whenModalShows([&](QWidget *modal) {
        auto *dialog = qobject_cast<SessionDescriptionDialog *>(modal);
        ASSERT_NE(dialog, nullptr);
        shown = dialog->lines();
        dialog->textEdit()->selectAll();
        QTest::keyClicks(dialog->textEdit(), u"new"_s);
        typeKey(dialog->textEdit(), Qt::Key_Return);
        typeKey(dialog->textEdit(), Qt::Key_Return);
        QTest::keyClicks(dialog->textEdit(), u"last"_s);
        dialog->okButton()->click();
    });
    window.editDescription();
    EXPECT_EQ(shown, QStringList({u"Line one äöü"_s, QString(), u"Line three"_s}));
    EXPECT_EQ(window.session().descriptionLines, QStringList({u"new"_s, QString(), u"last"_s}));
    EXPECT_EQ(window.document().isModified(), 1);
}

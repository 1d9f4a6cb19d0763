// The program without the mouse: every dialog, the file keys, Space, and
// the confirmations in the status bar.
#include "DefaultSegments.h"
#include "MenuCommands.h"
#include "ActiveWindowTest.h"
#include "UserInput.h"

#include "app/MainWindow.h"
#include "app/MirandelWindows.h"
#include "app/PreviewController.h"
#include "app/dialogs/InputBoxDialog.h"
#include "app/printing/ListingPrinter.h"
#include "core/session/SessionRows.h"
#include "core/settings/UserPreferences.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTableView>
#include <QTimer>
#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {
// What the user types: keys, or text typed key by key.
struct Key
{
    Qt::Key key = Qt::Key_unknown;
    Qt::KeyboardModifiers modifiers = Qt::NoModifier;
    QString text = {};
};

// Types the keys into the next modal dialog, each where the focus is then.
void typeIntoNextDialog(const QList<Key> &keys)
{
    auto *timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, timer, [timer, keys] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        timer->stop();
        timer->deleteLater();
        for (const Key &key : keys) {
            QWidget *focus = modal->focusWidget() ? modal->focusWidget() : modal;
            if (key.text.isEmpty())
                typeKey(focus, key.key, key.modifiers);
            else
                QTest::keyClicks(focus, key.text);
        }
        // Keys that leave the dialog open fail the test, not hang it.
        if (auto *dialog = qobject_cast<QDialog *>(modal); dialog && dialog->isVisible())
            dialog->reject();
    });
    timer->start(10);
    QTimer::singleShot(5000, timer, &QObject::deleteLater);
}

Key text(const QString &typed)
{
    return {Qt::Key_unknown, Qt::NoModifier, typed};
}

class KeyboardTest : public ActiveWindowTest
{
public:
    static void SetUpTestSuite() { QStandardPaths::setTestModeEnabled(true); }
    static void TearDownTestSuite() { QFile::remove(UserPreferences::defaultPath()); }


    void selectSegments(int left, int right, int row)
    {
        QAbstractItemModel *model = window.sessionTable()->model();
        window.sessionTable()->setCurrentIndex(model->index(row, left));
        window.sessionTable()->selectionModel()->select(
            QItemSelection(model->index(row, left), model->index(row, right)), QItemSelectionModel::ClearAndSelect);
    }

    QStringList row(int row) const
    {
        QStringList texts;
        for (int column = 0; column < window.session().cells.columnCount(); ++column)
            texts << window.session().cells.cell(column, row);
        return texts;
    }

};

TEST_F(KeyboardTest, EveryDialogCompletesFromTheKeyboard)
{
    const struct
    {
        const char *name;
        QList<Key> keys;
        std::function<void(KeyboardTest &)> open;
        std::function<void(KeyboardTest &)> check;
    } cases[] = {
        {"New Session Type: Enter", {{Qt::Key_Return}},
         [](KeyboardTest &t) { menuCommand(t.window, u"&New"_s)->trigger(); },
         [](KeyboardTest &t) { EXPECT_EQ(t.window.session().kind, PulsedSession); }},
        {"New Session Type: Tab, Enter", {{Qt::Key_Tab}, {Qt::Key_Return}},
         [](KeyboardTest &t) { menuCommand(t.window, u"&New"_s)->trigger(); },
         [](KeyboardTest &t) { EXPECT_EQ(t.window.session().kind, DualBinauralSession); }},
        {"Enter Session Name", {{Qt::Key_A, Qt::ControlModifier}, text(u"Evening"_s), {Qt::Key_Return}},
         [](KeyboardTest &t) { menuCommand(t.window, u"&Name Session"_s)->trigger(); },
         [](KeyboardTest &t) { EXPECT_EQ(t.window.session().name, u"Evening"_s); }},
        {"Session Description: Ctrl+Enter", {text(u"calm"_s), {Qt::Key_Return, Qt::ControlModifier}},
         [](KeyboardTest &t) { menuCommand(t.window, u"Session &Description"_s)->trigger(); },
         [](KeyboardTest &t) { EXPECT_EQ(t.window.session().descriptionLines, QStringList{u"calm"_s}); }},
        {"Session Description: Alt+O", {text(u"calm"_s), {Qt::Key_O, Qt::AltModifier}},
         [](KeyboardTest &t) { menuCommand(t.window, u"Session &Description"_s)->trigger(); },
         [](KeyboardTest &t) { EXPECT_EQ(t.window.session().descriptionLines, QStringList{u"calm"_s}); }},
        {"Glide Across Selection", {text(u"10"_s), {Qt::Key_Tab}, text(u"4"_s), {Qt::Key_Return}},
         [](KeyboardTest &t) {
             t.selectSegments(0, 5, StartFreqRow);
             menuCommand(t.window, u"&Glide Across Selection\u2026"_s)->trigger();
         },
         [](KeyboardTest &t) {
             EXPECT_EQ(t.row(StartFreqRow), QStringList({u"10.0"_s, u"9.0"_s, u"8.0"_s, u"7.0"_s, u"6.0"_s, u"5.0"_s}));
             EXPECT_EQ(t.row(TargetFreqRow).last(), u"4.0"_s);
         }},
        {"Preferences: Space, Enter", {{Qt::Key_Space}, {Qt::Key_Return}},
         [](KeyboardTest &t) { menuCommand(t.window, u"Pr&eferences\u2026"_s)->trigger(); },
         [](KeyboardTest &t) {
             t.window.document().edit({}, [](Session &s) { s.cells.setCell(5, TargetFreqRow, u"4.0"_s); });
             typeKey(t.window.sessionTable(), Qt::Key_N);
             EXPECT_EQ(t.row(StartFreqRow).last(), u"4.0"_s);
             EXPECT_TRUE(UserPreferences().newSegmentContinuesGlide());
         }},
        {"COM Port Selection: Escape", {{Qt::Key_Escape}},
         [](KeyboardTest &t) { menuCommand(t.window, u"Set Comm &Port"_s)->trigger(); },
         [](KeyboardTest &t) { EXPECT_EQ(t.window.portNumber(), 0); }},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        showSession(sessionOfDefaultSegments(PulsedSession, 6));
        window.document().markSaved();
        typeIntoNextDialog(c.keys);
        c.open(*this);
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
        c.check(*this);
        EXPECT_EQ(prompter.errors, QStringList());
    }

    // The loop rows' input box.
    InputBoxDialog input(u"Loop Segs"_s, u"Segments in the loop"_s, QString(), u"0"_s, &window);
    typeIntoNextDialog({text(u"3"_s), {Qt::Key_Return}});
    EXPECT_EQ(input.exec(), QDialog::Accepted);
    EXPECT_EQ(input.text(), u"3"_s);
}

TEST_F(KeyboardTest, EveryMenuItemHasAnAccessLetter)
{
    showSession(sessionOfDefaultSegments(PulsedSession, 2));
    QStringList without;
    std::function<void(const QMenu *)> visit = [&](const QMenu *menu) {
        if (!menu->title().contains(u'&'))
            without << menu->title();
        for (const QAction *item : menu->actions()) {
            if (item->menu())
                visit(item->menu());
            else if (!item->isSeparator() && !item->text().contains(u'&'))
                without << item->text();
        }
    };
    for (const QAction *entry : window.menuBar()->actions())
        visit(entry->menu());
    EXPECT_EQ(without, QStringList());
}

// Space plays only where no text field wants it.
TEST_F(KeyboardTest, AnOpenCellEditorKeepsItsSpace)
{
    showSession(sessionOfDefaultSegments(PulsedSession, 2));
    window.selectCell({1, ToneRow});
    typeKey(window.sessionTable(), Qt::Key_F2);
    auto *editor = qobject_cast<QLineEdit *>(QApplication::focusWidget());
    ASSERT_NE(editor, nullptr);
    editor->clear();
    QTest::keySequence(editor, QKeySequence(Qt::Key_Space));
    EXPECT_EQ(editor->text(), u" "_s);
    EXPECT_EQ(windows.preview->player().state(), SessionPlayer::State::Stopped);
}

TEST_F(KeyboardTest, SaveAndPrintSayInTheStatusBarThatTheyHappened)
{
    QTemporaryDir folder;
    Session session = sessionOfDefaultSegments(PulsedSession, 6);
    session.name = u"Evening"_s;
    showSession(session);
    window.document().setFileName(folder.filePath(u"Evening.LSS"_s));

    QTest::keySequence(&window, QKeySequence(u"Ctrl+S"_s));
    EXPECT_EQ(window.statusBar()->currentMessage(), u"Saved Evening.LSS, 6 segments"_s);

    window.listingPrinter().printer().setOutputFormat(QPrinter::PdfFormat);
    window.listingPrinter().printer().setOutputFileName(folder.filePath(u"listing.pdf"_s));
    typeIntoNextDialog({{Qt::Key_Return}});
    QTest::keySequence(&window, QKeySequence(u"Ctrl+P"_s));
    EXPECT_EQ(window.statusBar()->currentMessage(), u"Printed Evening, 6 segments"_s);
}

// Stepping a time refreshes the panel at once, and Print uses the new total.
TEST_F(KeyboardTest, AStepOfATimeShowsTheNewTotalAtOnce)
{
    if (QStandardPaths::findExecutable(u"pdftotext"_s).isEmpty())
        GTEST_SKIP() << "pdftotext (poppler-utils) is needed to read the printout back";
    QTemporaryDir folder;
    showSession(sessionOfDefaultSegments(PulsedSession, 3));
    window.selectCell({2, TimeRow});
    const QString before = window.timingPanel()->toPlainText();
    typeKey(window.sessionTable(), '+');
    EXPECT_NE(window.timingPanel()->toPlainText(), before);
    const QString total = window.timingPanel()->toPlainText().split(u'\n').value(1);
    EXPECT_EQ(total, u"Session total time 3:15"_s);

    const QString pdf = folder.filePath(u"listing.pdf"_s);
    window.listingPrinter().printer().setOutputFormat(QPrinter::PdfFormat);
    window.listingPrinter().printer().setOutputFileName(pdf);
    typeIntoNextDialog({{Qt::Key_Return}});
    menuCommand(window, u"&Print"_s)->trigger();
    QProcess text;
    text.start(u"pdftotext"_s, {pdf, u"-"_s});
    ASSERT_TRUE(text.waitForFinished());
    EXPECT_TRUE(QString::fromUtf8(text.readAllStandardOutput()).contains(total));
}
} // namespace

// Undo and redo in the real window: every edit, through its key, button or
// menu, is taken back and done again with the session as it was, byte for byte.
#include "DefaultSegments.h"
#include "MenuCommands.h"
#include "ScriptedPrompter.h"
#include "TestSupport.h"
#include "UserInput.h"

#include "app/MainWindow.h"
#include "app/MirandelWindows.h"
#include "app/TerminationSignals.h"
#include "core/files/RecoveryCopy.h"
#include "core/files/SessionFileWriter.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <csignal>
#include <functional>
#include <optional>
#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {
QStringList recoveryCopiesIn(const QString &folder)
{
    return QDir(folder).entryList({u"recovery-*.mirandel"_s}, QDir::Files);
}

// A program whose copies go to folder, asked by prompter.
struct NextProgram
{
    NextProgram(const QString &folder, ScriptedPrompter &prompter)
    {
        window.setPrompter(prompter);
        window.setRecoveryFolder(folder);
    }

    MirandelWindows windows{QStringList()};
    MainWindow &window = *windows.mainWindow;
};

class UndoWindowTest : public ::testing::Test
{
public:
    static void SetUpTestSuite() { QStandardPaths::setTestModeEnabled(true); }

    void SetUp() override
    {
        window.setPrompter(prompter);
        window.show();
        QApplication::setActiveWindow(&window);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        Session session = sessionOfDefaultSegments(PulsedSession, 6);
        session.cells.setCell(4, LoopSegsRow, u"2"_s); // a loop over segments 5 and 6, played twice
        session.cells.setCell(4, LoopTimesRow, u"2"_s);
        session.cells.setCell(5, LoopTimesRow, u"2"_s);
        session.name = u"Theta"_s;
        window.document().replace(session, false);
        window.setSessionShown(true);
    }

    QByteArray bytes() { return sessionFileBytes(window.session()); }
    CellPos selected() const
    {
        const QModelIndex index = window.sessionTable()->currentIndex();
        return {index.column(), index.row()};
    }
    QString panel() const { return window.timingPanel()->toPlainText(); }
    QString totalLine() const
    {
        const QStringList lines = panel().split(u'\n');
        return lines.value(lines.indexOf(QRegularExpression(u"^Session total time"_s)));
    }

    std::optional<MirandelWindows> windows{std::in_place, QStringList()};
    MainWindow &window = *windows->mainWindow;
    ScriptedPrompter prompter;
};

TEST_F(UndoWindowTest, EveryEditIsUndoneAndRedoneAsItWasShown)
{
    const struct
    {
        const char *name;
        CellPos cell;
        std::function<void(UndoWindowTest &)> edit;
        QString undoText;
        CellPos shown; // the cell undo selects: the edit's own, on a segment that exists
    } cases[] = {
        {"three + presses are one step", {1, PitchRow},
         [](UndoWindowTest &t) {
             for (int i = 0; i < 3; ++i)
                 typeKey(&t.window, '+');
         },
         u"Change Pitch of Segment 2"_s, {1, PitchRow}},
        {"Down button", {2, StartFreqRow}, [](UndoWindowTest &t) { t.window.downButton()->click(); },
         u"Change Start Freq of Segment 3"_s, {2, StartFreqRow}},
        {"New Segment key", {0, TimeRow}, [](UndoWindowTest &t) { typeKey(&t.window, Qt::Key_N); }, u"New Segment"_s,
         {5, TimeRow}},
        {"Cut from the menu", {2, TimeRow},
         [](UndoWindowTest &t) {
             t.prompter.answerOkCancel(true);
             menuCommand(t.window, u"Cu&t Segment"_s)->trigger();
         },
         u"Cut Segment 3"_s, {2, TimeRow}},
        {"Paste key", {1, TimeRow},
         [](UndoWindowTest &t) {
             typeKey(&t.window, Qt::Key_C, Qt::ControlModifier);
             typeKey(&t.window, Qt::Key_V, Qt::ControlModifier);
         },
         u"Paste Segment 2"_s, {1, TimeRow}},
        {"Insert key", {3, TimeRow}, [](UndoWindowTest &t) { typeKey(&t.window, Qt::Key_Insert, Qt::ControlModifier); },
         u"Insert Segment 4"_s, {3, TimeRow}},
        {"Loop Segs entry", {1, LoopSegsRow},
         [](UndoWindowTest &t) {
             t.prompter.answerInput(u"3"_s);
             typeKey(&t.window, '+');
         },
         u"Change Loop Segs of Segment 2"_s, {1, LoopSegsRow}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        const QByteArray before = bytes();
        window.selectCell(c.cell);
        const QString totalBefore = totalLine();
        c.edit(*this);
        const QByteArray after = bytes();
        const QString panelAfter = panel();
        ASSERT_NE(after, before);
        EXPECT_EQ(menuCommand(window, u"&Undo "_s + c.undoText)->isEnabled(), true);
        const int logged = int(prompter.log.size());

        typeKey(&window, Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(bytes(), before);
        EXPECT_EQ(window.document().isModified(), 0);
        EXPECT_EQ(selected(), c.shown);
        EXPECT_EQ(totalLine(), totalBefore);
        typeKey(&window, Qt::Key_Y, Qt::ControlModifier);
        EXPECT_EQ(bytes(), after);
        EXPECT_EQ(window.document().isModified(), 1);
        EXPECT_EQ(panel(), panelAfter);
        typeKey(&window, Qt::Key_Z, Qt::ControlModifier);
        typeKey(&window, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        EXPECT_EQ(bytes(), after);
        EXPECT_EQ(prompter.log.size(), logged) << "undo and redo ask nothing";
    }
}

TEST_F(UndoWindowTest, UndoIsInertWithoutASession)
{
    window.selectCell({0, 4});
    typeKey(&window, '+');
    const QByteArray stepped = bytes();
    window.setSessionShown(false);
    EXPECT_FALSE(menuCommand(window, u"&Undo Change Pitch of Segment 1"_s)->isEnabled());
    typeKey(&window, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(bytes(), stepped);
}

TEST_F(UndoWindowTest, UnsavedChangesComeBackFromTheRecoveryCopy)
{
    QTemporaryDir data;
    window.setRecoveryFolder(data.path());
    window.setRecoveryInterval(1);
    window.selectCell({2, 4});
    typeKey(&window, '+');
    typeKey(&window, Qt::Key_N);
    const QByteArray edited = bytes();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !recoveryCopiesIn(data.path()).isEmpty(); }));

    // A second program started meanwhile neither offers nor removes it.
    ScriptedPrompter secondPrompter;
    {
        NextProgram second(data.path(), secondPrompter);
        second.window.openStartupFile();
        second.window.close();
    }
    EXPECT_EQ(secondPrompter.log, QStringList());
    EXPECT_EQ(recoveryCopiesIn(data.path()).size(), 1);

    // The program ends without a save, as a crash would end it.
    windows.reset();
    ScriptedPrompter nextPrompter;
    nextPrompter.answerYesNo(true);
    NextProgram next(data.path(), nextPrompter);
    next.window.openStartupFile();
    EXPECT_EQ(nextPrompter.log,
              QStringList(u"confirm: Mirandel closed without saving session Theta. Restore the unsaved changes?"_s));
    EXPECT_EQ(sessionFileBytes(next.window.session()), edited);
    EXPECT_EQ(next.window.document().isModified(), 1);

    // Saved or dropped, the copy goes; one that cannot be read is kept aside.
    next.window.document().markSaved();
    EXPECT_EQ(recoveryCopiesIn(data.path()), QStringList());
    RecoveryCopy damaged(data.path());
    writeFileBytes(damaged.filePath(), "damaged");
    QString aside;
    EXPECT_FALSE(damaged.read(&aside));
    EXPECT_FALSE(damaged.exists());
    EXPECT_EQ(readFileBytes(aside), "damaged");
}

TEST_F(UndoWindowTest, ARestoredSessionAsksBeforeItReplacesAFileChangedSince)
{
    const QString question = u"confirm: The file %1 was changed or removed since the unsaved changes were kept. "
                             "Save the restored session in its place?"_s;
    const struct
    {
        const char *change;
        std::function<void(const QString &)> changeFile;
        std::vector<bool> answers; // to the question, at each Save
    } cases[] = {
        {"none", [](const QString &) {}, {}},
        {"rewritten", [](const QString &path) { writeFileBytes(path, "newer session"); }, {false, true}},
        {"removed", [](const QString &path) { QFile::remove(path); }, {false, true}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.change);
        QTemporaryDir data;
        const QString path = data.filePath(u"a\nb.LSS"_s);
        std::optional<MirandelWindows> first{std::in_place, QStringList()};
        MainWindow &crashed = *first->mainWindow;
        crashed.setRecoveryFolder(data.path());
        crashed.setRecoveryInterval(1);
        crashed.document().replace(sessionOfDefaultSegments(PulsedSession, 2), false);
        crashed.document().setFileName(path);
        writeFileBytes(path, sessionFileBytes(crashed.session()));
        crashed.document().markSaved();
        crashed.document().edit({u"Name Session"_s}, [](Session &session) { session.name = u"Edited"_s; });
        ASSERT_TRUE(QTest::qWaitFor([&] { return !recoveryCopiesIn(data.path()).isEmpty(); }));
        const QByteArray edited = sessionFileBytes(crashed.session());
        first.reset();

        c.changeFile(path);
        const QByteArray changed = QFile::exists(path) ? readFileBytes(path) : QByteArray();
        ScriptedPrompter nextPrompter;
        nextPrompter.answerYesNo(true);
        NextProgram next(data.path(), nextPrompter);
        next.window.openStartupFile();
        QStringList expected = nextPrompter.log;
        for (const bool yes : c.answers) {
            nextPrompter.answerYesNo(yes);
            next.window.saveFile();
            expected << question.arg(path);
            EXPECT_EQ(QFile::exists(path) ? readFileBytes(path) : QByteArray(), yes ? edited : changed);
        }
        next.window.saveFile();
        EXPECT_EQ(nextPrompter.log, expected);
        EXPECT_EQ(readFileBytes(path), edited);
    }
}

TEST_F(UndoWindowTest, AFailedRecoveryCopyIsShownUntilARetryWorks)
{
    QTemporaryDir data;
    const QString folder = data.filePath(u"data"_s);
    writeFileBytes(folder, "a file where the folder would be made");
    window.setRecoveryFolder(folder);
    window.setRecoveryInterval(1);
    const auto warningShown = [this] {
        for (const QLabel *label : window.statusBar()->findChildren<QLabel *>()) {
            if (label->isVisible() && label->text().startsWith(u"Unsaved changes could not be kept safe: "_s))
                return true;
        }
        return false;
    };
    window.selectCell({2, 4});
    typeKey(&window, '+');
    ASSERT_TRUE(QTest::qWaitFor(warningShown));

    QFile::remove(folder);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !warningShown(); }));
    EXPECT_EQ(recoveryCopiesIn(folder).size(), 1);
    windows.reset(); // before its folder goes
}
} // namespace

TEST_F(UndoWindowTest, TheFirstRecoveryCopyComesWithinSecondsOfTheFirstEdit)
{
    QTemporaryDir data;
    window.setRecoveryFolder(data.path());
    window.selectCell({2, 4});
    typeKey(&window, '+');
    EXPECT_TRUE(QTest::qWaitFor([&] { return !recoveryCopiesIn(data.path()).isEmpty(); }, 5000));
}

// kill, Ctrl+C or a closed terminal: the copy is written and the program ends.
TEST_F(UndoWindowTest, ATerminationSignalKeepsTheUnsavedChangesAndEnds)
{
    const TerminationSignals terminationSignals(window.recovery());
    window.selectCell({2, 4});
    typeKey(&window, '+');
    for (const int signalNumber : {SIGTERM, SIGINT, SIGHUP}) {
        SCOPED_TRACE(signalNumber);
        QTemporaryDir data;
        window.setRecoveryFolder(data.path());
        QTimer::singleShot(0, [signalNumber] { ::raise(signalNumber); });
        EXPECT_EQ(QCoreApplication::exec(), 128 + signalNumber);
        EXPECT_EQ(recoveryCopiesIn(data.path()).size(), 1);
        window.setRecoveryFolder(QString()); // the copy stays, as after the end
    }
}

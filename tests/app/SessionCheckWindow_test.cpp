// The session check in the main window, and a download's progress there.
#include "DefaultSegments.h"
#include "DevsimProcess.h"
#include "MenuCommands.h"
#include "ScriptedPrompter.h"
#include "TestSupport.h"

#include "app/MainWindow.h"
#include "app/MirandelWindows.h"
#include "core/check/SessionCheck.h"
#include "core/settings/Settings.h"
#include "app/dialogs/DownloadProgressDialog.h"
#include "app/dialogs/SessionProblemsDialog.h"

#include <QAction>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSettings>
#include <QStatusBar>
#include <QTimer>
#include <QTableView>
#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {
struct ShownSession
{
    explicit ShownSession(const Session &session)
        : window(*windows.mainWindow)
    {
        window.setPrompter(prompter);
        window.document().replace(session, false);
        window.setSessionShown(true);
    }

    QStringList listed() const
    {
        QStringList texts;
        const QTreeWidget *list = window.problemsDialog()->list();
        for (int i = 0; i < list->topLevelItemCount(); ++i)
            texts.append(list->topLevelItem(i)->text(2));
        return texts;
    }

    MirandelWindows windows{QStringList()};
    MainWindow &window;
    ScriptedPrompter prompter;
};

// COM 4 of the settings beside the program leads to a virtual device while
// a test runs.
class DeviceOnComFour
{
public:
    DeviceOnComFour()
    {
        QSettings(Settings::defaultPath(), QSettings::IniFormat).setValue(Key, devsim.devicePath());
    }
    ~DeviceOnComFour() { QSettings(Settings::defaultPath(), QSettings::IniFormat).remove(Key); }

    DevsimProcess devsim;

private:
    static inline const QString Key = u"Ports/COM4"_s;
};
} // namespace

TEST(SessionCheckWindow, StatusBarAndProblemsListShowTheCheckAndFollowEveryEdit)
{
    Session session = sessionOfDefaultSegments(PulsedSession, 3);
    session.cells.setCell(1, PhaseRow, u"XX"_s);
    session.cells.setCell(2, ToneRow, u"bbS"_s);
    ShownSession shown(session);
    const QList<SessionProblem> problems = checkSession(shown.window.session());
    ASSERT_EQ(problems.size(), 2);
    EXPECT_EQ(shown.window.checkSummary()->text(), u"1 error, 1 warning \u2014 press F8"_s);
    QStringList texts;
    for (const SessionProblem &problem : problems)
        texts.append(problem.text);
    EXPECT_EQ(shown.listed(), texts);

    QAction *check = menuCommand(shown.window, u"&Check Session"_s);
    EXPECT_EQ(check->shortcut(), QKeySequence(Qt::Key_F8));
    check->trigger();
    EXPECT_TRUE(shown.window.problemsDialog()->isVisible());

    // Choosing the phase problem selects its cell; stepping it mends it.
    QTreeWidget *list = shown.window.problemsDialog()->list();
    emit list->itemActivated(list->topLevelItem(0), 0);
    EXPECT_EQ(shown.window.selectedCell(), (CellPos{1, PhaseRow}));
    shown.window.upButton()->click();
    EXPECT_EQ(shown.window.checkSummary()->text(), u"1 warning \u2014 press F8"_s);
    EXPECT_EQ(shown.listed(), QStringList{u"Tone group change segment 3"_s});
}

TEST(SessionCheckWindow, DownloadShowsItsProgressAndEndsInTheStatusBar)
{
    DeviceOnComFour device;
    ShownSession shown(sessionOfDefaultSegments(PulsedSession, 1));
    shown.window.setPortNumber(4);
    QList<int> progressSeen;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (shown.window.downloadProgress()->isVisible())
            progressSeen.append(shown.window.downloadProgress()->bar()->value());
    });
    watch.start(5);
    menuCommand(shown.window, u"Download (&Clear)"_s)->trigger();
    // The window goes on while the download does.
    EXPECT_TRUE(QTest::qWaitFor([&] { return !shown.window.statusBar()->currentMessage().isEmpty(); }));
    EXPECT_TRUE(shown.prompter.log.isEmpty()) << shown.prompter.log.join(u" / "_s);
    EXPECT_FALSE(progressSeen.isEmpty());
    EXPECT_FALSE(shown.window.downloadProgress()->isVisible());
    EXPECT_EQ(shown.window.statusBar()->currentMessage(), u"Session downloaded: 1 segments, 17 bytes"_s);
    EXPECT_EQ(device.devsim.nextReport(u"download"_s).value(u"outcome"_s).toString(), u"stored"_s);
    // The next edit brings the check back.
    shown.window.upButton()->click();
    EXPECT_TRUE(shown.window.statusBar()->currentMessage().isEmpty());
}

TEST(SessionCheckWindow, ProblemsWindowStandsBesideTheGridReadsNoProblemsAndEscapeClosesIt)
{
    ShownSession shown(sessionOfDefaultSegments(PulsedSession, 2));
    shown.window.show();
    menuCommand(shown.window, u"&Check Session"_s)->trigger();
    SessionProblemsDialog *dialog = shown.window.problemsDialog();
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
    const QTableView *grid = shown.window.sessionTable();
    EXPECT_FALSE(dialog->frameGeometry().intersects(QRect(grid->mapToGlobal(QPoint()), grid->size())));
    EXPECT_EQ(dialog->list()->topLevelItemCount(), 0);
    EXPECT_TRUE(dialog->emptyNote()->isVisible());
    EXPECT_EQ(dialog->emptyNote()->text(), u"No problems"_s);
    QTest::keyClick(dialog->list(), Qt::Key_Escape);
    EXPECT_FALSE(dialog->isVisible());
}

// Sessions opened without the Open dialog: dropped on the main window or
// picked from File > Recent Files.
#include "DefaultSegments.h"
#include "MenuCommands.h"
#include "ScriptedPrompter.h"
#include "TestSupport.h"
#include "app/MainWindow.h"
#include "app/MirandelWindows.h"
#include "app/RecentFilesMenu.h"
#include "core/exchange/SessionFormats.h"
#include "core/settings/Settings.h"

#include <QCoreApplication>
#include <QDropEvent>
#include <QFile>
#include <QMenu>
#include <QMimeData>
#include <QTemporaryDir>
#include <QUrl>
#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {
class OpeningFiles : public ::testing::Test
{
protected:
    OpeningFiles() { window().setPrompter(prompter); }

    MainWindow &window() { return *windows.mainWindow; }
    QString copyOfTestFile(const QString &name)
    {
        const QString path = dir.filePath(name);
        QFile::copy(testDataPath(u"described.LSS"_s), path);
        return path;
    }
    // Drags data over the window and drops it there; true when the drag was accepted.
    bool drop(const QList<QUrl> &urls)
    {
        QMimeData data;
        data.setUrls(urls);
        const QPoint at = window().rect().center();
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&window(), &enter);
        if (enter.isAccepted()) {
            QDropEvent dropped(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(&window(), &dropped);
        }
        QCoreApplication::processEvents();
        return enter.isAccepted();
    }

    QAction *recentEntry(const QString &path)
    {
        for (QAction *action : window().recentFilesMenu()->actions()) {
            if (action->toolTip() == path)
                return action;
        }
        return nullptr;
    }

    QTemporaryDir dir;
    ScriptedPrompter prompter;
    MirandelWindows windows{QStringList()};
};
} // namespace

TEST_F(OpeningFiles, ADroppedSessionFileOpensAfterTheSavePrompt)
{
    const struct
    {
        QList<QUrl> urls;
        bool accepted;
    } cases[] = {
        {{QUrl::fromLocalFile(copyOfTestFile(u"upper.LSS"_s))}, true},
        {{QUrl::fromLocalFile(dir.filePath(u"notes.txt"_s)), QUrl::fromLocalFile(copyOfTestFile(u"lower.lss"_s))},
         true},
        {{QUrl::fromLocalFile(dir.filePath(u"notes.txt"_s))}, false},
        {{QUrl(u"https://example.org/remote.LSS"_s)}, false},
    };
    for (const auto &c : cases) {
        window().document().setFileName(QString());
        window().document().markModified();
        prompter.log.clear();
        if (c.accepted)
            prompter.answerYesNo(false);
        EXPECT_EQ(drop(c.urls), c.accepted) << c.urls.last().toString();
        EXPECT_EQ(prompter.log.size(), c.accepted ? 1 : 0);
        EXPECT_EQ(window().session().fileName, c.accepted ? c.urls.last().toLocalFile() : QString());
    }
}

// A schedule dropped on the window is imported as File > Import would, and
// Recent Files imports it again.
TEST_F(OpeningFiles, ADroppedScheduleIsImportedAndComesBackFromRecentFiles)
{
    const QString path = dir.filePath(u"dropped.sbg"_s);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    const FileFormat sbg = *SessionFormats::formatOf(path, SessionFormats::importable());
    file.write(sbg.exportTo(sessionOfDefaultSegments(PulsedSession, 2)).bytes);
    file.close();
    window().document().markModified();
    prompter.answerYesNo(false);
    EXPECT_TRUE(drop({QUrl::fromLocalFile(path)}));
    EXPECT_EQ(prompter.log.size(), 1) << "the save prompt";
    EXPECT_EQ(window().session().cells.columnCount(), 2);
    EXPECT_TRUE(window().session().fileName.isEmpty()) << "an import is a new session";
    ASSERT_TRUE(recentEntry(path));
    window().document().replace(sessionOfDefaultSegments(PulsedSession, 5), false);
    recentEntry(path)->trigger();
    EXPECT_EQ(window().session().cells.columnCount(), 2);
}

TEST_F(OpeningFiles, RecentFilesListsTheLastOpenedAndDropsAVanishedOne)
{
    RecentFilesMenu &menu = *window().recentFilesMenu();
    const QList<QAction *> fileMenu = menuOf(window(), u"&File"_s)->actions();
    EXPECT_EQ(fileMenu.indexOf(menu.menuAction()), fileMenu.indexOf(menuCommand(window(), u"&Open"_s)) + 1);

    const QString first = copyOfTestFile(u"first.LSS"_s);
    const QString second = copyOfTestFile(u"second.LSS"_s);
    window().openNamedFile(first);
    window().openNamedFile(second);
    EXPECT_EQ(menu.files().paths().mid(0, 2), (QStringList{second, first}));
    EXPECT_TRUE(menu.menuAction()->isEnabled());

    QFile::remove(first);
    window().document().markModified(); // a vanished file is reported before the save prompt
    ASSERT_TRUE(recentEntry(first));
    recentEntry(first)->trigger();
    EXPECT_EQ(prompter.log, QStringList(u"error: No Such File"_s));
    EXPECT_EQ(window().session().fileName, second);
    EXPECT_FALSE(menu.files().paths().contains(first));
    EXPECT_FALSE(recentEntry(first));
}

TEST_F(OpeningFiles, RecentFilesAreReadWhenTheFileMenuOpens)
{
    // Stored after the window was made: the list is read no earlier than needed.
    const QString stored = copyOfTestFile(u"stored.LSS"_s);
    ASSERT_TRUE(Settings().setRecentFiles({stored}));
    emit menuOf(window(), u"&File"_s)->aboutToShow();
    EXPECT_TRUE(window().recentFilesMenu()->menuAction()->isEnabled());
    EXPECT_TRUE(recentEntry(stored));
}

TEST(RecentFilesMenu, StoresItsListForTheNextStart)
{
    QTemporaryDir dir;
    Settings settings(dir.filePath(u"MIRANDEL.INI"_s));
    RecentFilesMenu menu(settings);
    EXPECT_FALSE(menu.menuAction()->isEnabled());
    for (const QString &name : {u"a.LSS"_s, u"b.LSS"_s})
        menu.addFile(dir.filePath(name));
    EXPECT_TRUE(menu.menuAction()->isEnabled());
    EXPECT_EQ(menuCommand(menu, u"&1 b.LSS"_s)->toolTip(), dir.filePath(u"b.LSS"_s));

    RecentFilesMenu next(settings);
    EXPECT_EQ(next.files().paths(), (QStringList{dir.filePath(u"b.LSS"_s), dir.filePath(u"a.LSS"_s)}));
    menuCommand(next, u"&Clear List"_s)->trigger();
    EXPECT_FALSE(next.menuAction()->isEnabled());
    EXPECT_TRUE(settings.recentFiles().isEmpty());
}

// Two instances, each with the settings file read at its start, change the
// list in turn: neither drops what the other added.
TEST(RecentFilesMenu, InstancesTakingTurnsKeepEachOthersEntries)
{
    QTemporaryDir dir;
    Settings first(dir.filePath(u"MIRANDEL.INI"_s));
    Settings second(first.path());
    RecentFilesMenu one(first);
    RecentFilesMenu two(second);
    one.ensureLoaded();
    two.ensureLoaded();
    const struct
    {
        RecentFilesMenu *menu;
        bool add;
        const char16_t *name;
        QStringList expected;
    } steps[] = {
        {&one, true, u"a1.LSS", {u"a1.LSS"_s}},
        {&two, true, u"b1.LSS", {u"b1.LSS"_s, u"a1.LSS"_s}},
        {&one, true, u"a2.LSS", {u"a2.LSS"_s, u"b1.LSS"_s, u"a1.LSS"_s}},
        {&two, false, u"a1.LSS", {u"a2.LSS"_s, u"b1.LSS"_s}},
        {&one, true, u"b1.LSS", {u"b1.LSS"_s, u"a2.LSS"_s}},
    };
    for (const auto &step : steps) {
        const QString path = dir.filePath(QString::fromUtf16(step.name));
        step.add ? step.menu->addFile(path) : step.menu->removeFile(path);
        QStringList expected;
        for (const QString &name : step.expected)
            expected << dir.filePath(name);
        EXPECT_EQ(Settings(first.path()).recentFiles(), expected) << QString::fromUtf16(step.name).toStdString();
        EXPECT_EQ(step.menu->files().paths(), expected);
    }
    for (int i = 0; i < 10; ++i)
        (i % 2 ? one : two).addFile(dir.filePath(u"c%1.LSS"_s.arg(i)));
    EXPECT_EQ(Settings(first.path()).recentFiles().size(), RecentFiles::MaxCount);
}

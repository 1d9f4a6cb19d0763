#include "MenuCommands.h"
#include "ScriptedPrompter.h"
#include "TestSupport.h"
#include "UserInput.h"

#include "app/MainWindow.h"
#include "app/MirandelWindows.h"
#include "core/session/NewSession.h"
#include "core/help/HelpTopics.h"
#include "app/windows/HelpViewer.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

struct RowTopic
{
    int row;
    const char *pulsedLabel;
    const char *dualLabel;
    const char *topic;
};

const RowTopic RowTopics[] = {
    {1, "Time m:s", "Time m:s", "Segment_time"},
    {2, "Tone", "Tone", "Tone_selection"},
    {3, "Start Freq", "Freq 1", "Frequency"},
    {4, "Pitch", "Pitch 1", "Pitch"},
    {5, "Target Freq", "Freq 2", "Frequency"},
    {6, "Chord", "Pitch 2", "Pitch"},
    {7, "Phase", "Phase", "Phase"},
    {8, "Duty Cycle", "Duty Cycle", "Duty_Cycle"},
    {9, "Volume", "Volume", "Volume_and_intensity"},
    {10, "Intensity", "Intensity", "Volume_and_intensity"},
    {11, "VI Ramp", "VI Ramp", "pviramp"},
    {12, "dbb Ramp", "dbb Ramp", "Ramps"},
    {13, "Loop Segs", "Loop Segs", "Loops"},
    {14, "Loop Times", "Loop Times", "Loops"},
};

// The real main window with a session of three segments on screen.
class HelpCommandsTest : public testing::Test
{
protected:
    void SetUp() override
    {
        window.setPrompter(prompter);
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    void showSession(SessionKind kind)
    {
        window.document().replace(sessionWithTimes(kind, {"1:00.0", "0:30.0", "0:10.0"}), false);
        window.setSessionShown(true);
    }

    void selectRange(int left, int top, int right, int bottom)
    {
        QAbstractItemModel *model = window.sessionTable()->model();
        window.sessionTable()->setCurrentIndex(model->index(top, left));
        window.sessionTable()->selectionModel()->select(
            QItemSelection(model->index(top, left), model->index(bottom, right)), QItemSelectionModel::ClearAndSelect);
    }

    QString shownTopic() const { return window.helpViewer() ? window.helpViewer()->currentTopic() : QString(); }

    MirandelWindows windows{QStringList()};
    MainWindow &window = *windows.mainWindow;
    ScriptedPrompter prompter;
};

TEST_F(HelpCommandsTest, ContextOpensTheTopicOfTheSelectedRowInBothKinds)
{
    for (const SessionKind kind : {PulsedSession, DualBinauralSession}) {
        showSession(kind);
        for (const RowTopic &c : RowTopics) {
            const char *label = kind == PulsedSession ? c.pulsedLabel : c.dualLabel;
            ASSERT_EQ(window.rowLabelTable()->item(c.row, 0)->text(), QString::fromLatin1(label));
            selectRange(1, c.row, 1, c.row);
            menuCommand(window, u"Conte&xt"_s)->trigger();
            EXPECT_EQ(shownTopic(), QString::fromLatin1(c.topic)) << label;
            EXPECT_TRUE(window.helpViewer()->isVisible());
        }
    }
    EXPECT_TRUE(prompter.log.isEmpty());
}

TEST_F(HelpCommandsTest, ContextUsesTheTopRowOfASelection)
{
    struct Case
    {
        int left, top, right, bottom;
        const char *topic;
    };
    const Case cases[] = {
        {0, 13, 0, 14, "Loops"},
        {1, 3, 2, 5, "Frequency"},
        {0, 9, 2, 12, "Volume_and_intensity"},
        {2, 1, 2, 14, "Segment_time"},
    };
    showSession(PulsedSession);
    for (const Case &c : cases) {
        selectRange(c.left, c.top, c.right, c.bottom);
        menuCommand(window, u"Conte&xt"_s)->trigger();
        EXPECT_EQ(shownTopic(), QString::fromLatin1(c.topic));
        EXPECT_EQ(window.selectedCell(), (CellPos{c.left, c.top}));
    }
}

TEST_F(HelpCommandsTest, ContentsAboutAndTheF1Key)
{
    menuCommand(window, u"&About"_s)->trigger();
    EXPECT_EQ(shownTopic(), u"About_Mirandel"_s);
    menuCommand(window, u"&Contents"_s)->trigger();
    EXPECT_EQ(shownTopic(), u"contents"_s);

    menuCommand(window, u"&About"_s)->trigger();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    typeKey(&window, Qt::Key_F1);
    EXPECT_EQ(shownTopic(), u"contents"_s);
    // One viewer serves every command.
    EXPECT_EQ(window.findChildren<HelpViewer *>().size(), 1);
}

TEST(HelpTopics, RowsWithoutATopicGiveNone)
{
    for (const int row : {-1, 0, 15, 99})
        EXPECT_TRUE(HelpTopics::contextTopic(row).isEmpty()) << row;
}

TEST(HelpTopics, EveryTopicTheProgramAsksForIsAPageOfTheHelpFile)
{
    const QStringList expected{u"contents"_s,  u"About_Mirandel"_s, u"Safety"_s, u"Segment_time"_s, u"Tone_selection"_s,
                               u"Frequency"_s, u"Pitch"_s,                u"Phase"_s,        u"Duty_Cycle"_s,
                               u"Volume_and_intensity"_s, u"pviramp"_s,   u"Ramps"_s,        u"Loops"_s};
    EXPECT_EQ(HelpTopics::programTopics(), expected);
    const QString folder = HelpTopics::helpFolder();
    for (const QString &topic : HelpTopics::programTopics()) {
        HelpViewer viewer(folder);
        viewer.showTopic(topic);
        EXPECT_EQ(viewer.currentTopic(), topic) << "missing page for " << topic;
        EXPECT_FALSE(viewer.browser()->documentTitle().isEmpty()) << topic;
    }
}

// The messages page explains every message the program can show (numbers as
// N, names and reasons as an ellipsis).
TEST(HelpTopics, MessagesPageNamesEveryMessage)
{
    const char *const messages[] = {
        "Starting value not in list - step to desired value", "Max 1000 Segments", "Delete segment N ?",
        "Cannot delete segment 1", "Cannot insert segment 1", "Cannot delete inside loop", "Cannot paste inside loop",
        "Cannot insert inside loop", "In Existing loop", "Integer 0-15 needed", "Loop includes last segment",
        "Loop overlap", "Not at loop start", "Float convert error on \u2026", "'\u2026' is not a valid integer value",
        "Session \u2026 has been modified. Save it?", "No Such File", "File Exists",
        "Cannot open file \"\u2026\". \u2026", "Cannot create file \"\u2026\". \u2026", "Stream write error",
        "Format errors in file", "The file holds more than 1000 segments; only the first 1000 were read.",
        "I/O error while printing to \"\u2026\". The printout was stopped.", "No COM port is selected",
        "COM port could not be opened", "System not found.", "\u2026, rev \u2026 has N sessions and N segments available",
        "Download capacity of N segments exceeded", "System has max sessions downloaded",
        "Session has N segments; a download holds 1 to 250", "No match segment N \u2026", "Tone group change segment N",
        "Download incomplete: the COM port stopped sending", "Download aborted", "Download cancelled",
        "Loop at segment N overlaps the loop at segment M", "Loop at segment N runs past the last segment",
        "Loop at segment N is L segments long; the device takes 0 to 15",
        "Loop at segment N repeats T times; the device takes 0 to 15", "Unable to write to \u2026",
        "Error loading program data. Aborting.", "Error loading intro dialog", "Help topic not found",
        "No audio output is available: \u2026", "Cannot write \"\u2026\": \u2026",
        "Light flashes at N\u2013N Hz for m:ss in segment N: the range most likely to provoke seizures in people with "
        "photosensitive epilepsy",
        "The light flashes at 3 to 30 Hz, the range that can provoke seizures, for m:ss of the session",
    };
    QFile page(HelpTopics::topicFile(HelpTopics::helpFolder(), u"Messages"_s));
    ASSERT_TRUE(page.open(QIODevice::ReadOnly));
    QTextDocument document;
    document.setHtml(QString::fromUtf8(page.readAll()));
    const QString text = document.toPlainText().simplified();
    for (const char *message : messages)
        EXPECT_TRUE(text.contains(QString::fromUtf8(message))) << message;
}

// Every link of every page leads to a page (and anchor) that is there.
TEST(HelpTopics, EveryLinkBetweenPagesResolves)
{
    const QDir folder(HelpTopics::helpFolder());
    const QStringList pages = folder.entryList({u"*.html"_s}, QDir::Files);
    ASSERT_GE(pages.size(), 17);
    const QRegularExpression link(u"<(?:a|link)\\s[^>]*href=\"([^\"]+)\""_s);
    int links = 0;
    for (const QString &page : pages) {
        QFile file(folder.filePath(page));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << page;
        const QString html = QString::fromUtf8(file.readAll());
        for (const QRegularExpressionMatch &match : link.globalMatch(html)) {
            const QUrl target(match.captured(1));
            if (!target.scheme().isEmpty())
                continue;
            ++links;
            const QString targetPage = target.path().isEmpty() ? page : target.path();
            EXPECT_TRUE(folder.exists(targetPage)) << page << " links to " << match.captured(1);
        }
    }
    EXPECT_GT(links, 100);
}

// Every page can be found from the contents by following links.
TEST(HelpTopics, EveryPageIsReachableFromTheContents)
{
    const QDir folder(HelpTopics::helpFolder());
    const QRegularExpression link(u"<a\\s[^>]*href=\"([^\"#]+)"_s);
    QStringList reached{u"contents.html"_s};
    for (qsizetype i = 0; i < reached.size(); ++i) {
        QFile file(folder.filePath(reached.at(i)));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << reached.at(i);
        for (const QRegularExpressionMatch &match : link.globalMatch(QString::fromUtf8(file.readAll()))) {
            const QString target = match.captured(1);
            if (QUrl(target).scheme().isEmpty() && !reached.contains(target))
                reached.append(target);
        }
    }
    for (const QString &page : folder.entryList({u"*.html"_s}, QDir::Files))
        EXPECT_TRUE(reached.contains(page)) << page;
}

// Clicks the first link of the page shown that leads to href.
bool clickLink(QTextBrowser *browser, const QString &href)
{
    for (QTextBlock block = browser->document()->begin(); block.isValid(); block = block.next()) {
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
            const QTextCharFormat format = fragment.fragment().charFormat();
            if (!format.isAnchor() || format.anchorHref() != href)
                continue;
            QTextCursor cursor(browser->document());
            cursor.setPosition(fragment.fragment().position() + 1);
            browser->ensureCursorVisible();
            browser->setTextCursor(cursor);
            browser->ensureCursorVisible();
            const QRect caret = browser->cursorRect(cursor);
            clickMouse(browser->viewport(), Qt::LeftButton, {}, caret.center());
            return true;
        }
    }
    return false;
}

TEST(HelpViewer, FollowsLinksAndGoesBack)
{
    HelpViewer viewer(HelpTopics::helpFolder());
    viewer.show();
    viewer.showTopic(u"contents"_s);
    ASSERT_TRUE(clickLink(viewer.browser(), u"Loops.html"_s));
    EXPECT_EQ(viewer.currentTopic(), u"Loops"_s);
    EXPECT_EQ(viewer.windowTitle(), u"Mirandel Help - Loops"_s);
    ASSERT_TRUE(clickLink(viewer.browser(), u"Segment_time.html"_s));
    EXPECT_EQ(viewer.currentTopic(), u"Segment_time"_s);
    viewer.browser()->backward();
    EXPECT_EQ(viewer.currentTopic(), u"Loops"_s);
    viewer.browser()->backward();
    EXPECT_EQ(viewer.currentTopic(), u"contents"_s);
}

TEST(HelpViewer, MissingTopicIsReportedInTheWindow)
{
    QTemporaryDir emptyFolder;
    struct Case
    {
        QString folder;
        QString topic;
    };
    const Case cases[] = {{emptyFolder.path(), u"Loops"_s}, {HelpTopics::helpFolder(), u"No_such_topic"_s}};
    for (const Case &c : cases) {
        HelpViewer viewer(c.folder);
        viewer.showTopic(u"contents"_s);
        viewer.showTopic(c.topic);
        EXPECT_EQ(viewer.currentTopic(), c.topic);
        EXPECT_EQ(viewer.windowTitle(), u"Mirandel Help - Help topic not found"_s);
        EXPECT_TRUE(viewer.browser()->toPlainText().contains(u"Help topic not found"_s));
        EXPECT_TRUE(viewer.browser()->toPlainText().contains(c.topic));
    }
}

// The help speaks the user's language where a page is translated, and its
// search looks through the pages it shows.
TEST(HelpViewer, ShowsAndSearchesThePagesOfTheUsersLanguage)
{
    QTemporaryDir untranslated;
    QDir(untranslated.path()).mkdir(u"de"_s);
    QFile::copy(HelpTopics::topicFile(HelpTopics::helpFolder(), u"Loops"_s),
                HelpTopics::topicFile(untranslated.path(), u"Loops"_s));
    struct Case
    {
        QString folder;
        const char *locale;
        const char *topic;
        const char *title;
        const char *word;
    };
    const Case cases[] = {
        {HelpTopics::helpFolder(), "de_DE", "Undo_and_recovery", "R\u00fcckg\u00e4ngig und die Wiederherstellungskopie",
         "Wiederherstellungskopie"},
        {HelpTopics::helpFolder(), "de_CH", "Loops", "Schleifen", "Wiederholungen"},
        {HelpTopics::helpFolder(), "fr_FR", "Undo_and_recovery", "Annulation et copie de secours", "secours"},
        {HelpTopics::helpFolder(), "fr_CA", "contents", "Sommaire", "sommaire"},
        {HelpTopics::helpFolder(), "es_ES", "Loops", "Loops", "passes"},
        {HelpTopics::helpFolder(), "C", "Undo_and_recovery", "Undo and the recovery copy", "recovery"},
        {untranslated.path(), "de_DE", "Loops", "Loops", "passes"},
    };
    for (const Case &c : cases) {
        QLocale::setDefault(QLocale(QString::fromLatin1(c.locale)));
        HelpViewer viewer(c.folder);
        viewer.showTopic(QString::fromLatin1(c.topic));
        EXPECT_EQ(viewer.browser()->documentTitle(), QString::fromUtf8(c.title)) << c.locale << " " << c.topic;
        viewer.searchBox()->setText(QString::fromUtf8(c.word));
        QStringList found;
        for (int i = 0; i < viewer.searchResults()->count(); ++i)
            found.append(viewer.searchResults()->item(i)->data(Qt::UserRole).toString());
        EXPECT_TRUE(found.contains(QString::fromLatin1(c.topic))) << c.locale << " " << c.word;
    }
    QLocale::setDefault(QLocale::system());
}

} // namespace

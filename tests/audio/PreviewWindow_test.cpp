// The preview in the windows, heard through the sound server's output: the
// playing segment, the play cursor and the position follow the sound, and
// File > Export Audio writes in the background.
#include "MenuCommands.h"
#include "PlayerSignals.h"
#include "ScriptedPrompter.h"
#include "SoundFiles.h"
#include "SoundServer.h"
#include "TestSupport.h"
#include "UserInput.h"
#include "app/AudioExportCommand.h"
#include "app/MainWindow.h"
#include "app/MirandelWindows.h"
#include "app/PreviewController.h"
#include "app/SessionGridModel.h"
#include "gui/graph/TimeGraph.h"
#include "gui/graph/GraphGeometry.h"
#include "app/windows/GraphLegend.h"
#include "app/windows/GraphWindow.h"
#include "app/timeline/TimelineView.h"
#include "app/timeline/TimelineWindow.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QScrollArea>
#include <QStatusBar>
#include <QSignalSpy>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {
void needSoundServer()
{
    static const SoundServer server;
    ASSERT_TRUE(server.problem().isEmpty()) << server.problem().toStdString();
}

// The user's preferences in a folder of their own while it lives.
struct ConfigFolder
{
    ConfigFolder() : before(qgetenv("XDG_CONFIG_HOME")) { qputenv("XDG_CONFIG_HOME", QFile::encodeName(folder.path())); }
    ~ConfigFolder() { qputenv("XDG_CONFIG_HOME", before); }
    QTemporaryDir folder;
    QByteArray before;
};

// The main window showing a session of the given times.
struct PreviewFixture
{
    explicit PreviewFixture(std::initializer_list<const char *> times)
        : windows(QStringList())
        , main(*windows.mainWindow)
        , graph(*windows.graphWindow)
        , preview(*windows.preview)
        , model(*main.gridModel())
    {
        main.setPrompter(prompter);
        graph.setPrompter(prompter);
        main.document().replace(sessionWithTimes(PulsedSession, times), false);
        main.setSessionShown(true);
        main.show();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&main));
    }
    QString position() const { return preview.positionLabel()->text(); }
    QVariant shade(int column) const { return model.index(5, column).data(Qt::BackgroundRole); }

    ScriptedPrompter prompter;
    ConfigFolder config;
    MirandelWindows windows;
    MainWindow &main;
    GraphWindow &graph;
    PreviewController &preview;
    SessionGridModel &model;
};
} // namespace

TEST(PreviewWindows, TheSegmentCursorAndPositionFollowTheSound)
{
    needSoundServer();
    PreviewFixture f({"0:01.0", "0:01.0", "0:03.0"});
    f.main.selectCell({1, 4});
    const QModelIndex selected = f.main.sessionTable()->currentIndex();
    const QString panel = f.main.timingPanel()->toPlainText();

    typeKey(f.main.sessionTable(), Qt::Key_F5);
    ASSERT_TRUE(waitForPlayer(f.preview.player(), [&] { return !f.position().isEmpty(); })) << f.prompter.errors.join(u'\n');
    EXPECT_EQ(f.position(), u"0:01 / 0:05, segment 2"_s);
    EXPECT_EQ(f.model.playingColumn(), 1);
    EXPECT_NE(f.shade(1), f.shade(0));

    // Segment 3 is heard from the second second on; the shading moves with it.
    ASSERT_TRUE(waitForPlayer(f.preview.player(), [&] { return f.model.playingColumn() == 2; }));
    EXPECT_EQ(f.position(), u"0:02 / 0:05, segment 3"_s);
    EXPECT_EQ(f.shade(1), f.shade(0));
    EXPECT_EQ(f.main.sessionTable()->currentIndex(), selected);
    EXPECT_EQ(f.main.timingPanel()->toPlainText(), panel);

    // A longer segment 3, stepped as the user does, is heard at once: the sound lasts longer.
    f.main.selectCell({2, 1});
    typeKey(f.main.sessionTable(), '+');
    ASSERT_TRUE(waitForPlayer(f.preview.player(), [&] { return !f.position().contains(u"/ 0:05"_s); })) << f.position();

    // On the time graph the cursor runs through segment 3, ahead with the sound.
    f.main.showTimeGraph();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f.graph));
    ASSERT_TRUE(waitForPlayer(f.preview.player(), [&] { return f.graph.playCursor()->isVisible(); }));
    const int width = GraphGeometry(f.graph.scrollBox()->width(), f.graph.scrollBox()->height()).width;
    const int x = f.graph.playCursor()->x();
    const SessionGrid &cells = f.main.session().cells;
    EXPECT_GE(x, timeGraphX(cells, f.graph.totalSeconds(), width, 2.0));
    EXPECT_LE(x, timeGraphX(cells, f.graph.totalSeconds(), width, f.preview.player().totalSeconds()));
    ASSERT_TRUE(waitForPlayer(f.preview.player(), [&] { return f.graph.playCursor()->x() > x; }));
    // The position shows right of the legend, clear of it.
    EXPECT_EQ(f.graph.playPosition()->text(), f.position());
    EXPECT_LT(f.graph.legend()->geometry().right(), f.graph.playPosition()->x());

    // Pause and Stop by their keys in the graph window.
    typeKey(&f.graph, Qt::Key_F6);
    EXPECT_EQ(f.preview.player().state(), SessionPlayer::State::Paused);
    const QString paused = f.position();
    const int pausedX = f.graph.playCursor()->x();
    QTest::qWait(400);
    EXPECT_EQ(f.position(), paused);
    EXPECT_EQ(f.graph.playCursor()->x(), pausedX);
    typeKey(&f.graph, Qt::Key_F7);
    EXPECT_EQ(f.preview.player().state(), SessionPlayer::State::Stopped);
    EXPECT_TRUE(f.position().isEmpty());
    EXPECT_TRUE(f.graph.playPosition()->text().isEmpty());
    EXPECT_FALSE(f.graph.playCursor()->isVisible());
    EXPECT_EQ(f.model.playingColumn(), -1);
    EXPECT_TRUE(f.prompter.errors.isEmpty());
}

TEST(PreviewWindows, AnotherSessionStopsThePreview)
{
    needSoundServer();
    PreviewFixture f({"0:10.0", "0:10.0"});
    typeKey(f.main.sessionTable(), Qt::Key_F5);
    ASSERT_EQ(f.preview.player().state(), SessionPlayer::State::Playing) << f.prompter.errors.join(u'\n');
    f.main.openNamedFile(testDataPath(u"described.LSS"_s));
    EXPECT_EQ(f.main.session().name, u"Café € “Theta”"_s);
    EXPECT_EQ(f.preview.player().state(), SessionPlayer::State::Stopped);
    EXPECT_TRUE(f.position().isEmpty());
}

TEST(PreviewWindows, ExportAudioWritesOrLeavesNothingAndKeepsTheWindowAnswering)
{
    const struct
    {
        const char *times;
        const char *typed;   // in the file dialog, the Ogg type chosen
        const char *written; // nothing when cancelled
    } cases[] = {{"0:30.0", "short", "short.ogg"}, {"30:00.0", "long.ogg", ""}};
    for (const auto &c : cases) {
        const bool cancel = !*c.written;
        QTemporaryDir folder;
        PreviewFixture f({c.times, c.times, c.times, c.times});
        QSignalSpy finished(&f.preview.exportCommand(), &AudioExportCommand::finished);
        QTimer::singleShot(0, [&] {
            const auto dialogShown = [] { return qobject_cast<QFileDialog *>(QApplication::activeModalWidget()); };
            ASSERT_TRUE(QTest::qWaitFor(dialogShown, 3000));
            QFileDialog *dialog = dialogShown();
            // The Ogg type, chosen with the keys as a user does.
            auto *types = dialog->findChild<QComboBox *>(u"fileTypeCombo"_s);
            typeKey(types, Qt::Key_Down);
            typeKey(types, Qt::Key_Down);
            dialog->setDirectory(folder.path());
            dialog->selectFile(QString::fromLatin1(c.typed));
            static_cast<QDialog *>(dialog)->accept();
        });
        menuCommand(f.main, u"&Export Audio\u2026"_s)->trigger();
        ASSERT_TRUE(f.preview.exportCommand().isRunning()) << f.prompter.errors.join(u'\n');
        if (cancel) {
            // The window goes on answering while the export runs.
            ASSERT_TRUE(QTest::qWaitFor([&] { return f.preview.exportCommand().progressDialog()->isVisible(); }, 3000));
            clickMouse(f.preview.exportCommand().progressDialog()->findChild<QPushButton *>(), Qt::LeftButton);
        }
        ASSERT_TRUE(finished.wait(60000));
        EXPECT_EQ(finished.first().first().value<AudioExportResult::Outcome>(),
                  cancel ? AudioExportResult::Cancelled : AudioExportResult::Written);
        if (cancel) {
            EXPECT_EQ(f.main.statusBar()->currentMessage(), u"Export cancelled"_s);
        }
        const QStringList left = QDir(folder.path()).entryList(QDir::Files | QDir::Hidden);
        EXPECT_EQ(left, cancel ? QStringList() : QStringList({QString::fromLatin1(c.written)}));
        if (!cancel) { // four segments of 30 s
            EXPECT_EQ(readSoundFile(folder.filePath(QString::fromLatin1(c.written))).frames, 4 * 30 * 44100);
        }
        EXPECT_TRUE(f.prompter.errors.isEmpty());
    }
}

TEST(PreviewWindows, ExportAudioNormalisesWhenAskedAndTellsTheLoudness)
{
    const struct
    {
        bool normalise;
        const char *message; // its start
    } cases[] = {{false, "Audio exported to x.wav: -1"}, {true, "Audio exported to x.wav: -20.0 LUFS, peak -"}};
    for (const auto &c : cases) {
        QTemporaryDir folder;
        PreviewFixture f({"0:05.0"});
        QSignalSpy finished(&f.preview.exportCommand(), &AudioExportCommand::finished);
        QTimer::singleShot(0, [&] {
            const auto dialogShown = [] { return qobject_cast<QFileDialog *>(QApplication::activeModalWidget()); };
            ASSERT_TRUE(QTest::qWaitFor(dialogShown, 3000));
            QFileDialog *dialog = dialogShown();
            auto *target = dialog->findChild<QDoubleSpinBox *>();
            EXPECT_EQ(target->value(), -23.0);
            EXPECT_FALSE(target->isEnabled());
            if (c.normalise) {
                clickMouse(dialog->findChild<QCheckBox *>(), Qt::LeftButton);
                target->setValue(-20);
            }
            dialog->setDirectory(folder.path());
            dialog->selectFile(u"x.wav"_s);
            static_cast<QDialog *>(dialog)->accept();
        });
        menuCommand(f.main, u"&Export Audio\u2026"_s)->trigger();
        ASSERT_TRUE(finished.wait(60000)) << f.prompter.errors.join(u'\n').toStdString();
        EXPECT_TRUE(f.main.statusBar()->currentMessage().startsWith(QString::fromLatin1(c.message)))
            << f.main.statusBar()->currentMessage().toStdString();
    }
}

TEST(PreviewWindows, ExportAudioKeepsItsChoicesAndMeasuresBeforeItWrites)
{
    QTemporaryDir folder;
    PreviewFixture f({"0:30.0", "0:30.0"});
    QStringList labels;
    for (const bool first : {true, false}) {
        QSignalSpy finished(&f.preview.exportCommand(), &AudioExportCommand::finished);
        QTimer::singleShot(0, [&] {
            const auto dialogShown = [] { return qobject_cast<QFileDialog *>(QApplication::activeModalWidget()); };
            ASSERT_TRUE(QTest::qWaitFor(dialogShown, 3000));
            QFileDialog *dialog = dialogShown();
            auto *target = dialog->findChild<QDoubleSpinBox *>();
            auto *normalise = dialog->findChild<QCheckBox *>();
            if (first) {
                // Each access key leads to one field.
                QStringList keys;
                for (const QWidget *widget : dialog->findChildren<QWidget *>()) {
                    const auto *label = qobject_cast<const QLabel *>(widget);
                    const auto *button = qobject_cast<const QAbstractButton *>(widget);
                    const QString text = label ? label->text() : button ? button->text() : QString();
                    const qsizetype amp = text.indexOf(u'&');
                    if (widget->isVisible() && amp >= 0 && amp + 1 < text.size())
                        keys << text.mid(amp + 1, 1).toLower();
                }
                EXPECT_EQ(keys.size(), QSet<QString>(keys.begin(), keys.end()).size()) << keys.join(u' ').toStdString();
                typeKey(dialog->findChild<QComboBox *>(u"fileTypeCombo"_s), Qt::Key_Down); // FLAC
                clickMouse(normalise, Qt::LeftButton);
                target->setValue(-18);
            } else {
                EXPECT_TRUE(dialog->selectedNameFilter().startsWith(u"FLAC"_s)) << dialog->selectedNameFilter().toStdString();
                EXPECT_TRUE(normalise->isChecked());
                EXPECT_EQ(target->value(), -18.0);
            }
            dialog->setDirectory(folder.path());
            dialog->selectFile(first ? u"one"_s : u"two"_s);
            static_cast<QDialog *>(dialog)->accept();
        });
        menuCommand(f.main, u"&Export Audio\u2026"_s)->trigger();
        QProgressDialog *progress = f.preview.exportCommand().progressDialog();
        ASSERT_TRUE(progress);
        labels << progress->labelText();
        ASSERT_TRUE(finished.wait(60000)) << f.prompter.errors.join(u'\n').toStdString();
    }
    EXPECT_EQ(labels, QStringList(2, u"Measuring loudness\u2026"_s));
    EXPECT_TRUE(QFile::exists(folder.filePath(u"two.flac"_s)));
}

namespace {
TEST(PreviewWindows, SpacePlaysPausesAndResumesFromTheSelectedSegment)
{
    needSoundServer();
    PreviewFixture f({"0:10.0", "0:10.0"});
    f.main.selectCell({1, 1});
    const SessionPlayer &player = f.preview.player();

    typeKey(f.main.sessionTable(), Qt::Key_Space);
    ASSERT_EQ(player.state(), SessionPlayer::State::Playing) << f.prompter.errors.join(u'\n');
    ASSERT_TRUE(waitForPlayer(player, [&] { return player.playingColumn() == 1; }));
    typeKey(f.main.sessionTable(), Qt::Key_Space);
    EXPECT_EQ(player.state(), SessionPlayer::State::Paused);
    typeKey(f.main.sessionTable(), Qt::Key_Space);
    EXPECT_EQ(player.state(), SessionPlayer::State::Playing);
    f.preview.stop();
}
} // namespace

// The preview's keys play and stop from the timeline as from the sheet.
TEST(PreviewWindows, ThePreviewKeysWorkInTheTimeline)
{
    needSoundServer();
    PreviewFixture f({"0:05.0", "0:05.0"});
    TimelineWindow &timeline = *f.windows.timelineWindow;
    timeline.setShown(true);
    QApplication::setActiveWindow(&timeline);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&timeline));
    const struct
    {
        Qt::Key key;
        SessionPlayer::State state;
    } keys[] = {{Qt::Key_F5, SessionPlayer::State::Playing}, {Qt::Key_F7, SessionPlayer::State::Stopped},
                {Qt::Key_Space, SessionPlayer::State::Playing}, {Qt::Key_F6, SessionPlayer::State::Paused}};
    for (const auto &k : keys) {
        typeKey(timeline.view(), k.key);
        EXPECT_TRUE(QTest::qWaitFor([&] { return f.preview.player().state() == k.state; }, 3000))
            << QKeySequence(k.key).toString().toStdString() << " " << f.prompter.errors.join(u'\n').toStdString();
    }
}

#include "app/PreviewController.h"

#include "app/AudioExportCommand.h"
#include "app/dialogs/BedsDialog.h"
#include "app/windows/GraphWindow.h"
#include "core/session/SessionEditor.h"
#include "playback/PlaybackPosition.h"

#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>

using namespace Qt::Literals::StringLiterals;

PreviewController::PreviewController(SessionEditor &editor, GraphWindow &graphWindow, QMainWindow &mainWindow)
    : mEditor(editor), mMain(mainWindow), mGraph(graphWindow), mExport(new AudioExportCommand(editor, mainWindow, this))
{
    mActionPlay = addCommand(tr("&Play from Selected Segment"), QKeySequence(Qt::Key_F5),
                             &PreviewController::playFromSelection);
    mActionPause = addCommand(tr("P&ause"), QKeySequence(Qt::Key_F6), &PreviewController::togglePause);
    mActionPause->setCheckable(true);
    mActionStop = addCommand(tr("&Stop"), QKeySequence(Qt::Key_F7), &PreviewController::stop);
    mActionBeds = addCommand(tr("&Beds\u2026"), QKeySequence(), &PreviewController::showBeds);
    // In no menu, so that the menus keep their keys. A focused text field
    // claims Space before a window shortcut sees it.
    mActionPlayOrPause = addCommand(tr("Play or Pause"), QKeySequence(Qt::Key_Space), &PreviewController::playOrPause);
    mGraph.addAction(mActionPlayOrPause);
    // After the graph window's own entries, which keep their places.
    mGraph.menuBar()->addMenu(createMenu(&mGraph));

    mActionExport = new QAction(tr("&Export Audio\u2026"), &mMain);
    connect(mActionExport, &QAction::triggered, this, &PreviewController::exportAudio);

    mPosition = new QLabel(&mMain);
    mPosition->setContentsMargins(0, 0, 8, 0);

    connect(&mPlayer, &SessionPlayer::positionChanged, this, &PreviewController::showPosition);
    connect(&mPlayer, &SessionPlayer::stateChanged, this, &PreviewController::updateCommands);
    connect(&mPlayer, &SessionPlayer::failed, this, [this](const QString &message) { mEditor.prompter().error(message); });
    const SessionDocument &document = mEditor.document();
    connect(&document, &SessionDocument::gridChanged, this, &PreviewController::followCells);
    connect(&document, &SessionDocument::bedsChanged, this, &PreviewController::followBeds);
    connect(&document, &SessionDocument::replaced, this, [this] {
        mAudition = BedAudition();
        followBeds();
    });
    // Another session is not what was playing.
    connect(&document, &SessionDocument::replaced, &mPlayer, &SessionPlayer::stop);
    connect(&mEditor, &SessionEditor::sessionShownChanged, this, &PreviewController::followCells);
    updateCommands();
}

PreviewController::~PreviewController() = default;

QAction *PreviewController::addCommand(const QString &caption, const QKeySequence &shortcut,
                                       void (PreviewController::*handler)())
{
    // Owned by the main window, where the other commands are.
    auto *action = new QAction(caption, &mMain);
    action->setShortcut(shortcut);
    connect(action, &QAction::triggered, this, handler);
    return action;
}

QMenu *PreviewController::createMenu(QWidget *parent)
{
    auto *menu = new QMenu(tr("&Preview"), parent);
    menu->addActions({mActionPlay, mActionPause, mActionStop});
    menu->addSeparator();
    menu->addAction(mActionBeds);
    connect(menu, &QMenu::aboutToShow, this, &PreviewController::updateCommands);
    return menu;
}

int PreviewController::selectedColumn() const
{
    return std::min(mEditor.currentCell().column, mEditor.selection().left);
}

void PreviewController::playFromSelection()
{
    if (!mEditor.isSessionShown())
        return;
    mPlayer.setNoise(NoiseChoice::parse(mEditor.preferences().noiseBed()).value_or(NoiseChoice()));
    if (!mPlayer.play(mEditor.session().cells, selectedColumn()))
        mEditor.prompter().error(mPlayer.lastError());
}

void PreviewController::togglePause()
{
    if (mPlayer.state() == SessionPlayer::State::Playing)
        mPlayer.pause();
    else if (mPlayer.state() == SessionPlayer::State::Paused)
        mPlayer.resume();
    updateCommands();
}

void PreviewController::playOrPause()
{
    if (mPlayer.state() == SessionPlayer::State::Stopped)
        playFromSelection();
    else
        togglePause();
}

void PreviewController::stop()
{
    mPlayer.stop();
}

void PreviewController::seek(double seconds)
{
    if (mEditor.isSessionShown() && !mPlayer.seek(mEditor.session().cells, seconds)
        && mPlayer.state() == SessionPlayer::State::Stopped && !mPlayer.lastError().isEmpty())
        mEditor.prompter().error(mPlayer.lastError());
}

void PreviewController::exportAudio()
{
    if (mEditor.isSessionShown())
        mExport->run();
}

void PreviewController::showBeds()
{
    BedsDialog *dialog = bedsDialog();
    if (dialog->selectedBed() < 0)
        dialog->selectBed(0);
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
}

BedsDialog *PreviewController::bedsDialog()
{
    // Made when first wanted, not at start.
    if (!mBeds) {
        mBeds = new BedsDialog(mEditor.document(), mAudition, &mMain);
        connect(mBeds, &BedsDialog::auditionChanged, this, &PreviewController::followBeds);
    }
    return mBeds;
}

void PreviewController::followBeds()
{
    mPlayer.setBeds(mAudition.heard(mEditor.session().beds));
}

// The one place where edited cells reach the preview.
void PreviewController::followCells()
{
    if (!mEditor.isSessionShown())
        mPlayer.stop();
    else
        mPlayer.setCells(mEditor.session().cells);
    updateCommands();
}

void PreviewController::showPosition()
{
    const int column = mPlayer.playingColumn();
    emit playingColumnChanged(column);
    const double seconds = column < 0 ? -1 : mPlayer.positionSeconds();
    mGraph.setPlayCursor(seconds);
    const QString text =
        column < 0 ? QString() : playbackPositionText(seconds, mPlayer.totalSeconds(), column + 1);
    mPosition->setText(text);
    mGraph.setPlayPosition(text);
}

void PreviewController::updateCommands()
{
    const bool shown = mEditor.isSessionShown();
    const SessionPlayer::State state = mPlayer.state();
    mActionPlay->setEnabled(shown);
    mActionPause->setEnabled(state != SessionPlayer::State::Stopped);
    mActionPause->setChecked(state == SessionPlayer::State::Paused);
    mActionStop->setEnabled(state != SessionPlayer::State::Stopped);
    mActionExport->setEnabled(shown);
}

#pragma once

#include "core/beds/BedAudition.h"
#include "playback/SessionPlayer.h"

#include <QObject>

class AudioExportCommand;
class BedsDialog;
class GraphWindow;
class QAction;
class QLabel;
class QMainWindow;
class QMenu;
class QWidget;
class SessionEditor;

// The preview's commands in both windows: Play from the selected segment,
// Pause and Stop in a Preview menu, and File > Export Audio. While the
// preview plays, the spreadsheet shades the playing segment, the time graph
// shows the play cursor and both windows show the position. The main window
// places its menu, its export command and its position.
class PreviewController : public QObject
{
    Q_OBJECT
public:
    // The commands belong to the main window, which also carries the
    // export's dialogs and its report.
    PreviewController(SessionEditor &editor, GraphWindow &graphWindow, QMainWindow &mainWindow);
    ~PreviewController() override;

    void playFromSelection();
    // Pauses while playing, resumes while paused.
    void togglePause();
    // The Space key: plays from the selected segment when stopped, else
    // pauses or resumes.
    void playOrPause();
    void stop();
    // While playing or paused: goes on from there.
    void seek(double seconds);
    void exportAudio();
    // Preview > Beds: the window of the session's beds.
    void showBeds();
    BedsDialog *bedsDialog();

    const SessionPlayer &player() const { return mPlayer; }
    AudioExportCommand &exportCommand() { return *mExport; }
    // Space, for every window that shows the session.
    QAction *playOrPauseAction() const { return mActionPlayOrPause; }
    QAction *exportAction() const { return mActionExport; }
    // The position for the main window's status bar.
    QLabel *positionLabel() const { return mPosition; }
    // A Preview menu for a window's menu bar.
    QMenu *createMenu(QWidget *parent);
    // Enables what can run now.
    void updateCommands();

signals:
    // The segment playing, from 0; -1 while silent.
    void playingColumnChanged(int column);

private:
    QAction *addCommand(const QString &caption, const QKeySequence &shortcut, void (PreviewController::*handler)());
    int selectedColumn() const;
    void followCells();
    // The beds the preview plays: the session's, less those muted or not solo.
    void followBeds();
    void showPosition();

    SessionEditor &mEditor;
    QMainWindow &mMain;
    GraphWindow &mGraph;
    SessionPlayer mPlayer;
    AudioExportCommand *mExport;
    QAction *mActionPlay;
    QAction *mActionPause;
    QAction *mActionStop;
    QAction *mActionExport;
    QAction *mActionPlayOrPause;
    QAction *mActionBeds;
    BedAudition mAudition;
    BedsDialog *mBeds = nullptr;
    QLabel *mPosition;
};

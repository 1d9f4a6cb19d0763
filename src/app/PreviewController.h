#pragma once

#include "core/beds/BedAudition.h"
#include "playback/SessionPlayer.h"

#include <QObject>

class AudioExportCommand;
class BedsDialog;
class GraphWindow;
class MainWindow;
class QAction;
class QLabel;
class QMenu;

// The preview's commands in both windows: Play from the selected segment,
// Pause and Stop in a Preview menu, and File > Export Audio. While the
// preview plays, the spreadsheet shades the playing segment, the time graph
// shows the play cursor and both windows show the position.
class PreviewController : public QObject
{
    Q_OBJECT
public:
    PreviewController(MainWindow &mainWindow, GraphWindow &graphWindow);
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
    // The position in the main window's status bar.
    QLabel *positionLabel() const { return mPosition; }

private:
    QAction *addCommand(const QString &caption, const QKeySequence &shortcut, void (PreviewController::*handler)());
    QMenu *createMenu(QWidget *parent);
    int selectedColumn() const;
    void followCells();
    // The beds the preview plays: the session's, less those muted or not solo.
    void followBeds();
    void showPosition();
    void updateCommands();

    MainWindow &mMain;
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

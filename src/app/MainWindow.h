#pragma once

#include "core/check/SessionChecker.h"
#include "gui/device/DeviceLink.h"
#include "gui/device/SerialLink.h"
#include "core/settings/Settings.h"
#include "core/settings/UserPreferences.h"
#include "core/files/RecoveryCopy.h"
#include "core/session/SegmentClipboard.h"
#include "core/session/Session.h"
#include "core/session/SessionDocument.h"
#include "core/session/SessionContext.h"
#include "core/session/SessionDialogs.h"
#include "core/session/TimingPanel.h"
#include "core/session/ValueStepping.h"
#include "app/QtPrompter.h"
#include "core/graph/GraphKind.h"

#include <QMainWindow>
#include <QTimer>
#include <array>
#include <functional>
#include <optional>

class QAction;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QTableView;
class QTableWidget;
class DownloadProgressDialog;
class FirstRunHint;
class SafetyNotice;
class HelpViewer;
class RecentFilesMenu;
class SessionProblemsDialog;
class ListingPrinter;
class SessionGridModel;
struct MirandelWindows;

// "Mirandel for Ambrion/Calidor - [name]" after New and Open, with round
// brackets after show, resize and Name Session.
QString sessionCaption(const QString &sessionName, bool squareBrackets);
// "6 segments", "1 segment".
QString segmentCountText(int count);

// The main window: owns the session's document, shows it in the spreadsheet
// and dispatches every command.
class MainWindow : public QMainWindow, public SessionDialogs
{
    Q_OBJECT
public:
    MainWindow(MirandelWindows &windows, const QStringList &arguments, QWidget *parent = nullptr);
    ~MainWindow() override;

    const Session &session() const { return mDocument.session(); }
    SessionDocument &document() { return mDocument; }
    const TimingPanel &timing() const { return mTiming; }
    const SegmentClipboard &segmentClipboard() const { return mSegmentClipboard; }
    // The cell the commands act on: the top left of the selection.
    CellPos selectedCell() { return readSelection().topLeft(); }
    SessionContext context() { return {mDocument, *mPrompter, *this}; }
    Prompter &prompter() { return *mPrompter; }
    UserPreferences &preferences() { return mPreferences; }
    // Replaces the Qt dialogs, e.g. by a scripted prompter in tests.
    void setPrompter(Prompter &prompter) { mPrompter = &prompter; }
    bool isSessionShown() const;

    // Show or hide the spreadsheet with its labels, panel and buttons.
    void setSessionShown(bool shown);
    // Select a cell and give the spreadsheet the focus.
    void selectCell(const CellPos &cell);
    void focusGrid();
    // Scroll so that the last segment is in view.
    void scrollToLastSegment();

    // SessionDialogs
    SessionKind askSessionKind() override;
    QString askOpenFileName(const FileDialogRequest &request) override;
    QString askSaveFileName(const FileDialogRequest &request) override;
    std::optional<QString> askSessionName(const QString &entry) override;
    SessionDescriptionAnswer askSessionDescription(const QStringList &lines) override;

    // Runs a command; a failure it reports (a text that is not a number, a
    // port that fails) ends it in the standard error report.
    void runCommand(const std::function<void()> &command);
    // The selection of the session table.
    CellRange readSelection();

    // The commands of the menus, buttons and keys.
    void newSession();
    void newFromTemplate();
    void openFile();
    void saveFile();
    void saveFileAs();
    void saveAsTemplate();
    // Other programs' schedules, and cells as text.
    void importSession();
    void exportSession();
    void printListing();
    void quit();
    void copySegment();
    // Every segment as text on the system clipboard, one line each.
    void copySessionText();
    void pasteSegment();
    void cutSegment();
    void insertSegment();
    void renameSession();
    void selectPort();
    void downloadAppend();
    void downloadClear();
    void showSegmentGraph();
    void showTimeGraph();
    void editDescription();
    // The problems list: what a download of the session would meet.
    void showProblems();
    void showHelpContents();
    void showContextHelp();
    void showAbout();
    void showSafety();
    void newSegment();
    // Edit > Glide Across Selection and Edit > Preferences.
    void glideAcrossSelection();
    void editPreferences();
    void stepUp();
    void stepDown();
    // Ctrl+Up, Ctrl+Down: every selected cell of one row one step.
    void stepSelectionUp();
    void stepSelectionDown();
    // Segments as text from the system clipboard, from the selected segment on.
    void pasteText();
    // A value typed into the cell's editor: for the selection when the cell
    // is part of a selection within one row, else for the cell.
    void enterTypedValue(const CellPos &cell, const QString &text);
    // Reads the file named on the command line, once.
    void openStartupFile();
    // The save prompt; true when no unsaved change remains.
    bool maybeSave();
    // Open for a file dropped on the window or picked from Recent Files.
    void openNamedFile(const QString &path);
    void openRecentFile(const QString &path);
    void undo();
    void redo();
    // A short note in the status bar that a command did its work.
    void showConfirmation(const QString &text);
    // How long unsaved changes wait before their recovery copy is written.
    void setRecoveryInterval(int milliseconds) { mRecoveryInterval = milliseconds; }
    // Writes the recovery copy now when there are unsaved changes.
    void writeRecoveryCopy();
    // Where recovery copies are kept and looked for: the user's data folder
    // unless set, before the start offers what it finds there.
    void setRecoveryFolder(const QString &folder);

    // Menus that other parts add their commands to.
    QMenu *fileMenu() const { return mFileMenu; }
    QMenu *helpMenu() const { return mHelpMenu; }
    QMenu *viewMenu() const { return mViewMenu; }
    QAction *undoAction() const { return mActionUndo; }
    QAction *redoAction() const { return mActionRedo; }
    QAction *quitAction() const { return mActionQuit; }
    SessionGridModel *gridModel() const { return mGridModel; }

    // Controls, for tests
    // The grid and its controls are made when first asked for.
    QTableView *sessionTable() { ensureSessionArea(); return mSessionTable; }
    QTableWidget *rowLabelTable() { ensureSessionArea(); return mRowLabels; }
    QPlainTextEdit *timingPanel() { ensureSessionArea(); return mTimingPanel; }
    QLabel *checkSummary() const { return mCheckSummary; }
    SessionProblemsDialog *problemsDialog();
    DownloadProgressDialog *downloadProgress() const { return mDownloadProgress; }
    QPushButton *newSegmentButton() { ensureSessionArea(); return mNewSegmentButton; }
    QPushButton *upButton() { ensureSessionArea(); return mUpButton; }
    QPushButton *downButton() { ensureSessionArea(); return mDownButton; }
    RecentFilesMenu *recentFilesMenu() const { return mRecentFilesMenu; }

    // The COM port in force, 0 = none.
    int portNumber() const { return mPortNumber; }
    void setPortNumber(int port) { mPortNumber = port; }
    const QString &startupFileName() const { return mStartupFileName; }
    int buttonRowBottom();

signals:
    void sessionShownChanged(bool shown);

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void currentCellChanged(int column, int row);
    void layOutWindow();
    void initialize(const QStringList &arguments);
    void createControls();
    void ensureSessionArea();
    void createSessionArea();
    std::array<QWidget *, 6> sessionControls() const;
    void createMenus();
    QAction *addCommand(QMenu *menu, const QString &caption, void (MainWindow::*handler)(),
                        const QKeySequence &shortcut = {});
    void updateSessionCommands();
    // What shows the session follows its document.
    void followDocument();
    void showRowLabels();
    void showEdit(const EditStep &step);
    void showReplacedSession();
    void showTiming();
    // Edits
    void stepSelectedCell(StepDirection direction);
    QString runFileDialog(const FileDialogRequest &request, bool forSaving);
    // Runs a command that may save, and confirms a file it wrote.
    void confirmSaving(const std::function<void()> &command);
    void createUndoActions();
    void updateUndoActions();
    // Recovery copy
    void setUpRecovery();
    void scheduleRecoveryCopy();
    // A reason: unsaved changes are not safe; none: they are again.
    void showRecoveryFailure(const std::optional<QString> &reason);
    // Offers the copies instances that ended left; true when one was restored.
    bool offerRecovery();
    bool restoreRecoveryCopy(RecoveryCopy &copy);
    void refreshLayout();
    bool handleKeyDown(QKeyEvent *event);
    bool handleKeyPress(QKeyEvent *event);

    // Session check: reruns after every change of the cells, the session
    // shown, and the device identified.
    void createCheckViews();
    void refreshCheck();
    void download(bool clear);

    // Device link
    Settings mSettings;
    UserPreferences mPreferences;
    SerialLink mSerialLink;
    DeviceLink mDeviceLink{mSerialLink};

    // Views
    void openGraphWindow(GraphKind mode);

public:
    // The printer of File > Print, made at the first printout.
    ListingPrinter &listingPrinter();
    // Opens the help viewer at a topic of the application's help file.
    void showHelpTopic(const QString &topic);
    HelpViewer *helpViewer() const { return mHelpViewer; }

private:
    ListingPrinter *mListingPrinter = nullptr;
    HelpViewer *mHelpViewer = nullptr;

    // Null until the session area is made.
    QTableView *mSessionTable = nullptr;
    QTableWidget *mRowLabels = nullptr;
    QPushButton *mNewSegmentButton = nullptr;
    QPushButton *mUpButton = nullptr;
    QPushButton *mDownButton = nullptr;
    QPlainTextEdit *mTimingPanel = nullptr;
    FirstRunHint *mFirstRunHint;
    SafetyNotice *mSafetyNotice = nullptr; // at a user's first start only
    QLabel *mCheckSummary;
    SessionProblemsDialog *mProblemsDialog = nullptr;
    SessionChecker mChecker;
    DownloadProgressDialog *mDownloadProgress;

    QMenu *mFileMenu;
    RecentFilesMenu *mRecentFilesMenu;
    QMenu *mEditMenu;
    QMenu *mDownloadMenu;
    QMenu *mViewMenu;
    QMenu *mHelpMenu;
    QAction *mActionNew;
    QAction *mActionNewFromTemplate;
    QAction *mActionOpen;
    QAction *mActionSave;
    QAction *mActionSaveAs;
    QAction *mActionSaveAsTemplate;
    QAction *mActionImport;
    QAction *mActionExport;
    QAction *mActionPrint;
    QAction *mActionQuit;
    QAction *mActionUndo;
    QAction *mActionRedo;
    QAction *mActionCopySegment;
    QAction *mActionPasteSegment;
    QAction *mActionCutSegment;
    QAction *mActionInsertSegment;
    QAction *mActionNameSession;
    QAction *mActionCopySessionText;
    QAction *mActionPasteText;
    QAction *mActionStepSelectionUp;
    QAction *mActionStepSelectionDown;
    QAction *mActionGlide;
    QAction *mActionPreferences;
    QAction *mActionSelectPort;
    QAction *mActionDownloadAppend;
    QAction *mActionDownloadClear;
    QAction *mActionSegmentGraph;
    QAction *mActionTimeGraph;
    QAction *mActionDescription;
    QAction *mActionCheckSession;
    QAction *mActionHelpContents;
    QAction *mActionContextHelp;
    QAction *mActionSafety;
    QAction *mActionAbout;

    int mPortNumber = 0;
    std::optional<int> mPortToWriteBack;
    QString mStartupFileName;
    int mGridWidth = 459; // until the window is first laid out
    QString mCaption;

    MirandelWindows &mWindows;
    SessionDocument mDocument;
    const Session &mSession{mDocument.session()};
    TimingPanel mTiming;
    SegmentClipboard mSegmentClipboard;
    RecoveryCopy mRecoveryCopy;
    FileFingerprint mSessionFile; // the session's file when last read or saved
    QTimer mRecoveryTimer;
    int mRecoveryInterval = 30 * 1000;
    QLabel *mRecoveryFailure = nullptr;
    bool mRecoveryOffered = false;
    QtPrompter mQtPrompter;
    Prompter *mPrompter;
    SessionGridModel *mGridModel;
    QList<QAction *> mSessionCommands;
    bool mLayingOut = false;
    bool mSelectionByCommand = false; // the selection moves for a command, not the user
    bool mPlacedAtCorner = false;
};

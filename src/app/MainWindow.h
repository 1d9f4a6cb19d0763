#pragma once

#include "app/QtPrompter.h"
#include "app/QtSessionDialogs.h"
#include "app/SessionSheet.h"
#include "core/check/SessionChecker.h"
#include "core/files/SessionRecovery.h"
#include "core/graph/GraphKind.h"
#include "core/session/SessionEditor.h"
#include "core/settings/Settings.h"
#include "gui/device/DeviceLink.h"
#include "gui/device/SerialLink.h"

#include <QMainWindow>
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
class SessionKeys;
struct MirandelWindows;

// "Mirandel for Ambrion/Calidor - [name]" after New and Open, with round
// brackets after show, resize and Name Session.
QString sessionCaption(const QString &sessionName, bool squareBrackets);
// "6 segments", "1 segment".
QString segmentCountText(int count);

// The main window: the session's sheet, the menus with the commands they
// run, and the dialogs. What editing needs is in its SessionEditor, which
// every other window of the session takes instead.
class MainWindow : public QMainWindow
{
    Q_OBJECT
public:
    MainWindow(MirandelWindows &windows, const QStringList &arguments, QWidget *parent = nullptr);
    ~MainWindow() override;

    SessionEditor &editor() { return mEditor; }
    // Puts the other windows' commands into the menus, and the menus'
    // commands into the other windows, so that their keys work there too.
    void gatherWindows();

    const Session &session() const { return mEditor.session(); }
    SessionDocument &document() { return mEditor.document(); }
    const TimingPanel &timing() const { return mEditor.timing(); }
    const SegmentClipboard &segmentClipboard() const { return mEditor.segmentClipboard(); }
    CellPos selectedCell() const { return mEditor.selectedCell(); }
    CellRange readSelection() const { return mEditor.selection(); }
    SessionContext context() { return mEditor.context(); }
    Prompter &prompter() { return mEditor.prompter(); }
    // Replaces the Qt dialogs, e.g. by a scripted prompter in tests.
    void setPrompter(Prompter &prompter) { mEditor.setPrompter(prompter); }
    bool isSessionShown() const { return mEditor.isSessionShown(); }
    void setSessionShown(bool shown) { mEditor.setSessionShown(shown); }
    // Select a cell and give the spreadsheet the focus.
    void selectCell(const CellPos &cell) { mEditor.selectCell(cell); }
    void runCommand(const std::function<void()> &command) { mEditor.runCommand(command); }
    void enterTypedValue(const CellPos &cell, const QString &text) { mEditor.enterTypedValue(cell, text); }

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
    // A session file is opened, a file of another program's imported.
    void openFileOfAnyFormat(const QString &path);
    void printListing();
    void quit();
    void copySegment();
    // Every segment as text on the system clipboard, one line each.
    void copySessionText();
    void pasteSegment();
    void cutSegment() { mEditor.cutSegment(); }
    void insertSegment() { mEditor.insertSegment(); }
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
    // Edit > Glide Across Selection, Split Segment and Preferences.
    void glideAcrossSelection();
    void splitSegment();
    void editPreferences();
    // Ctrl+Up, Ctrl+Down: every selected cell of one row one step.
    void stepSelectionUp();
    void stepSelectionDown();
    // Segments as text from the system clipboard, from the selected segment on.
    void pasteText();
    // Reads the file named on the command line, once.
    void openStartupFile();
    // The save prompt; true when no unsaved change remains.
    bool maybeSave();
    // Open for a file dropped on the window or picked from Recent Files.
    void openNamedFile(const QString &path);
    void openRecentFile(const QString &path);
    void undo() { mEditor.undo(); }
    void redo() { mEditor.redo(); }
    // A short note in the status bar that a command did its work.
    void showConfirmation(const QString &text);
    // How long unsaved changes wait before their recovery copy is written.
    void setRecoveryInterval(int milliseconds) { mRecovery.setInterval(milliseconds); }
    // What keeps the unsaved changes safe, also from a termination signal.
    SessionRecovery &recovery() { return mRecovery; }
    // Where recovery copies are kept and looked for: the user's data folder
    // unless set, before the start offers what it finds there.
    void setRecoveryFolder(const QString &folder) { mRecovery.setFolder(folder); }

    QMenu *viewMenu() const { return mViewMenu; }
    SessionGridModel *gridModel() const { return mGridModel; }

    // Controls, for tests
    // The grid and its controls are made when first asked for.
    QTableView *sessionTable() { return sheet().table(); }
    QTableWidget *rowLabelTable() { return sheet().rowLabels(); }
    QPlainTextEdit *timingPanel() { return sheet().timingPanel(); }
    QLabel *checkSummary() const { return mCheckSummary; }
    SessionProblemsDialog *problemsDialog();
    DownloadProgressDialog *downloadProgress() const { return mDownloadProgress; }
    QPushButton *newSegmentButton() { return sheet().newSegmentButton(); }
    QPushButton *upButton() { return sheet().upButton(); }
    QPushButton *downButton() { return sheet().downButton(); }
    RecentFilesMenu *recentFilesMenu() const { return mRecentFilesMenu; }
    int buttonRowBottom() { return sheet().buttonRowBottom(); }

    // The COM port in force, 0 = none.
    int portNumber() const { return mPortNumber; }
    void setPortNumber(int port) { mPortNumber = port; }
    const QString &startupFileName() const { return mStartupFileName; }
    // The printer of File > Print, made at the first printout.
    ListingPrinter &listingPrinter();
    // Opens the help viewer at a topic of the application's help file.
    void showHelpTopic(const QString &topic);
    HelpViewer *helpViewer() const { return mHelpViewer; }

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The grid and the controls around it, made when first needed.
    SessionSheet &sheet();
    void layOutWindow();
    void initialize(const QStringList &arguments);
    void createMenus();
    QAction *addCommand(QMenu *menu, const QString &caption, void (MainWindow::*handler)(),
                        const QKeySequence &shortcut = {});
    void updateSessionCommands();
    // What shows the session follows its document and its editor.
    void followDocument();
    void showSession(bool shown);
    void showReplacedSession();
    // Imports path by its format, after the loss report the user accepts.
    void importFile(const QString &path);
    // Runs a command that may save, and confirms a file it wrote.
    void confirmSaving(const std::function<void()> &command);
    void createUndoActions();
    void updateUndoActions();
    // A reason: unsaved changes are not safe; none: they are again.
    void showRecoveryFailure(const QString &reason);
    void refreshLayout();
    QList<QAction *> windowCommands() const;

    // Session check: reruns after every change of the cells, the session
    // shown, and the device identified.
    void createCheckViews();
    void refreshCheck();
    void download(bool clear);
    void downloadFinished(bool sent);
    void openGraphWindow(GraphKind mode);

    Settings mSettings;
    SerialLink mSerialLink;
    DeviceLink mDeviceLink{mSerialLink};
    MirandelWindows &mWindows;
    QtPrompter mQtPrompter;
    QtSessionDialogs mDialogs;
    SessionEditor mEditor;
    SessionRecovery mRecovery{mEditor.document()};
    SessionGridModel *mGridModel;
    SessionSheet *mSheet = nullptr; // made when first shown
    SessionKeys *mKeys;
    ListingPrinter *mListingPrinter = nullptr;
    HelpViewer *mHelpViewer = nullptr;
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
    QAction *mActionSave;
    QAction *mActionQuit;
    QAction *mActionUndo;
    QAction *mActionRedo;
    // The commands enabled only while a session is shown.
    QList<QAction *> mSessionCommands;

    int mPortNumber = 0;
    std::optional<int> mPortToWriteBack;
    QString mStartupFileName;
    int mGridWidth = 459; // until the window is first laid out
    QString mCaption;

    QLabel *mRecoveryFailure = nullptr;
    bool mRecoveryOffered = false;
    bool mLayingOut = false;
    bool mPlacedAtCorner = false;
};

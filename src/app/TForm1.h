#pragma once

#include "app/QtPrompter.h"
#include "compiler/SessionImage.h"
#include "device/DeviceLink.h"
#include "device/TApdComPort.h"
#include "session/Session.h"
#include "session/SessionContext.h"
#include "session/SessionView.h"
#include "views/GraphKind.h"

#include <QMainWindow>
#include <functional>

class QAction;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QTableView;
class QTableWidget;
class HelpViewer;
class SessionListingPrinter;
class SessionGridModel;
struct MirandelWindows;

// The main window: owns the session, shows it in the spreadsheet and
// dispatches every command.
class TForm1 : public QMainWindow, public SessionView
{
    Q_OBJECT
public:
    TForm1(MirandelWindows &windows, const QStringList &arguments, QWidget *parent = nullptr);
    ~TForm1() override;

    Session &session() { return mSession; }
    SessionContext context() { return {mSession, *mPrompter, *this}; }
    Prompter &prompter() { return *mPrompter; }
    // Replaces the Qt dialogs, e.g. by a scripted prompter in tests.
    void setPrompter(Prompter &prompter) { mPrompter = &prompter; }
    bool isSessionShown() const;

    // SessionView
    void cellsChanged() override;
    void timingChanged() override;
    void setSessionShown(bool shown) override;
    void setCaption(const QString &caption) override;
    void selectCell(const CellPos &cell) override;
    void focusGrid() override;
    void scrollToLastSegment() override;
    int askSessionKind() override;
    QString askOpenFileName(const FileDialogRequest &request) override;
    QString askSaveFileName(const FileDialogRequest &request) override;
    std::optional<QString> askSessionName(const QString &entry) override;
    SessionDescriptionAnswer askSessionDescription(const QStringList &lines) override;

    // Runs a command; a conversion error ends it in the standard error report.
    void runCommand(const std::function<void()> &command);
    // The selection of StringGrid1, also stored as CurrentCell.
    CellRange readSelection();

    // Controls
    QTableView *StringGrid1;
    QTableWidget *StringGrid2;
    QPushButton *NewSeg;
    QPushButton *upbutton;
    QPushButton *downbutton;
    QPlainTextEdit *memo1;

    // Menus and their items
    QMenu *File1;
    QMenu *Edit1;
    QMenu *IO1;
    QMenu *View1;
    QMenu *Help1;
    QAction *New1;
    QAction *Open1;
    QAction *Save1;
    QAction *Saveas1;
    QAction *Print1;
    QAction *Exit2;
    QAction *CopySegment1;
    QAction *PasteSegment1;
    QAction *CutSegment1;
    QAction *InsertSegment1;
    QAction *Name1;
    QAction *Comm1;
    QAction *Downloadappend1;
    QAction *Downloadclear1;
    QAction *Seggraph1;
    QAction *Timegraph1;
    QAction *SessionDescription1;
    QAction *Contents1;
    QAction *Context1;
    QAction *About1;

    // Main-window state
    int ComPortNumber = 0;
    QString StartupFileName;
    int ButtonRowBottom = 0;
    QString MainCaption;

    // Handlers
    void New1Click();
    void Open1Click();
    void Save1Click();
    void SaveasClick();
    void PrintClick();
    void Exit2Click();
    void CopySegmentClick();
    void PasteSegmentClick();
    void CutSegmentClick();
    void InsertSegmentClick();
    void Name1Click();
    void Comm1Click();
    void DownloadappendClick();
    void DownloadclearClick();
    void seggraphClick();
    void TimegraphClick();
    void SessionDescription1Click();
    void Contents1Click();
    void Context1Click();
    void About1Click();
    void NewSegClick();
    void upbuttonClick();
    void downbuttonClick();
    void onselect(int column, int row);
    void FormActivate();
    bool FormCloseQuery();
    void LayoutMainWindow();

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void FormCreate(const QStringList &arguments);
    void createControls();
    void createMenus();
    QAction *addCommand(QMenu *menu, const QString &caption, void (TForm1::*handler)(),
                        const QKeySequence &shortcut = {});
    void updateSessionCommands();
    void formshow();
    bool Keydown(QKeyEvent *event);
    bool Keypress(QKeyEvent *event);

    // Files
    QString runFileDialog(const FileDialogRequest &request, bool forSaving);

    // Device link
    TApdComPort ApdComPort;
    SessionImage mSessionImage;
    DeviceLink mDeviceLink{ApdComPort, mSessionImage};

    // Views
    void openGraphWindow(GraphKind mode);

public:
    // The printer of File > Print, made at the first printout.
    SessionListingPrinter &listingPrinter();
    // Opens the help viewer at a topic of the application's help file.
    void showHelpTopic(const QString &topic);
    HelpViewer *helpViewer() const { return mHelpViewer; }

private:
    SessionListingPrinter *mListingPrinter = nullptr;
    HelpViewer *mHelpViewer = nullptr;

    MirandelWindows &mWindows;
    Session mSession;
    QtPrompter mQtPrompter;
    Prompter *mPrompter;
    SessionGridModel *mGridModel;
    QList<QAction *> mSessionCommands;
    bool mLayingOut = false;
    bool mSelectionByCommand = false; // the selection moves for a command, not the user
    bool mPlacedAtCorner = false;
};

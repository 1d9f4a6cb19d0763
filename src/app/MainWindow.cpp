#include "app/MainWindow.h"

#include "app/FirstRunHint.h"
#include "app/MainWindowLayout.h"
#include "app/MirandelWindows.h"
#include "app/PreviewController.h"
#include "app/RecentFilesMenu.h"
#include "app/SafetyNotice.h"
#include "app/SessionFileDrop.h"
#include "core/exchange/SessionFormats.h"
#include "app/SessionGridModel.h"
#include "app/SessionKeys.h"
#include "app/SessionSheet.h"
#include "app/timeline/TimelineWindow.h"
#include "app/windows/GraphWindow.h"
#include "app/windows/IntroductionWindow.h"
#include "core/session/NewSession.h"
#include "core/settings/UserNotices.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>

using namespace Qt::Literals::StringLiterals;

namespace {
// The window's height follows the row of buttons under the grid.
constexpr int ButtonRowBottom = 425;
constexpr int ConfirmationMilliseconds = 5000;
} // namespace

QString sessionCaption(const QString &sessionName, bool squareBrackets)
{
    return squareBrackets ? MainWindow::tr("Mirandel for Ambrion/Calidor - [%1]").arg(sessionName)
                          : MainWindow::tr("Mirandel for Ambrion/Calidor - (%1)").arg(sessionName);
}

QString segmentCountText(int count)
{
    return count == 1 ? MainWindow::tr("1 segment") : MainWindow::tr("%1 segments").arg(count);
}

MainWindow::MainWindow(MirandelWindows &windows, const QStringList &arguments, QWidget *parent)
    : QMainWindow(parent)
    , mWindows(windows)
    , mQtPrompter(this)
    , mDialogs(windows, this)
    , mEditor(mQtPrompter, mDialogs)
    , mGridModel(new SessionGridModel(mEditor.document(), this))
{
    setWindowTitle(u"Veltrano Mirandel 100"_s);
    QFont windowFont = font();
    windowFont.setPixelSize(13);
    setFont(windowFont);
    auto *client = new QWidget(this);
    setCentralWidget(client);
    mFirstRunHint = new FirstRunHint(client);
    if (!UserNotices::wasShown(UserNotices::Safety))
        mSafetyNotice = new SafetyNotice(client);
    createCheckViews();
    createMenus();
    followDocument();
    initialize(arguments);
    connect(&mRecovery, &SessionRecovery::failureChanged, this, &MainWindow::showRecoveryFailure);
    mKeys = new SessionKeys(*this, windows, mEditor);
    connect(new SessionFileDrop(this), &SessionFileDrop::fileDropped, this,
            [this](const QString &path) { runCommand([this, path] { openFileOfAnyFormat(path); }); });
}

MainWindow::~MainWindow()
{
    // A cell editor still open hands its text on as it closes: the sheet
    // goes while the editor it hands it to is still there.
    delete centralWidget();
}

SessionSheet &MainWindow::sheet()
{
    // The grid and the controls around it are hidden until a session is
    // shown, so they are made when first needed rather than at start, where
    // they would cost more than the rest of the main window.
    if (!mSheet) {
        mSheet = new SessionSheet(mEditor, *mGridModel, centralWidget(), mGridWidth);
        mKeys->setSheet(mSheet);
    }
    return *mSheet;
}

QAction *MainWindow::addCommand(QMenu *menu, const QString &caption, void (MainWindow::*handler)(),
                                const QKeySequence &shortcut)
{
    QAction *action = menu->addAction(caption);
    action->setShortcut(shortcut);
    connect(action, &QAction::triggered, this,
            [this, handler] { mEditor.runCommand([this, handler] { (this->*handler)(); }); });
    return action;
}

void MainWindow::createMenus()
{
    // Commands that need a session shown, each added to mSessionCommands.
    const auto addSessionCommand = [this](QMenu *menu, const QString &caption, void (MainWindow::*handler)(),
                                          const QKeySequence &shortcut = {}) {
        QAction *action = addCommand(menu, caption, handler, shortcut);
        mSessionCommands << action;
        return action;
    };
    mFileMenu = menuBar()->addMenu(tr("&File"));
    addCommand(mFileMenu, tr("&New"), &MainWindow::newSession);
    addCommand(mFileMenu, tr("New &from Template\u2026"), &MainWindow::newFromTemplate);
    addCommand(mFileMenu, tr("&Open"), &MainWindow::openFile, QKeySequence(u"Ctrl+O"_s));
    mRecentFilesMenu = new RecentFilesMenu(mSettings, this);
    mFileMenu->addMenu(mRecentFilesMenu);
    connect(mRecentFilesMenu, &RecentFilesMenu::fileChosen, this, &MainWindow::openRecentFile);
    connect(mFileMenu, &QMenu::aboutToShow, mRecentFilesMenu, &RecentFilesMenu::ensureLoaded);
    addCommand(mFileMenu, tr("&Import\u2026"), &MainWindow::importSession);
    mActionSave = addSessionCommand(mFileMenu, tr("&Save"), &MainWindow::saveFile, QKeySequence(u"Ctrl+S"_s));
    addSessionCommand(mFileMenu, tr("Save &As"), &MainWindow::saveFileAs, QKeySequence(u"Ctrl+Shift+S"_s));
    addSessionCommand(mFileMenu, tr("Save as Te&mplate\u2026"), &MainWindow::saveAsTemplate);
    addSessionCommand(mFileMenu, tr("Expor&t Session As\u2026"), &MainWindow::exportSession);
    addSessionCommand(mFileMenu, tr("&Print"), &MainWindow::printListing, QKeySequence(u"Ctrl+P"_s));
    mActionQuit = addCommand(mFileMenu, tr("E&xit"), &MainWindow::quit, QKeySequence(u"Ctrl+Q"_s));

    mEditMenu = menuBar()->addMenu(tr("&Edit"));
    addSessionCommand(mEditMenu, tr("&Copy Segment"), &MainWindow::copySegment, QKeySequence(u"Ctrl+C"_s));
    addSessionCommand(mEditMenu, tr("&Paste Segment"), &MainWindow::pasteSegment, QKeySequence(u"Ctrl+V"_s));
    addSessionCommand(mEditMenu, tr("Cu&t Segment"), &MainWindow::cutSegment, QKeySequence(u"Ctrl+X"_s));
    addSessionCommand(mEditMenu, tr("&Insert Segment"), &MainWindow::insertSegment, QKeySequence(u"Ctrl+Ins"_s));
    addSessionCommand(mEditMenu, tr("&Name Session"), &MainWindow::renameSession);
    addSessionCommand(mEditMenu, tr("Copy Session as Te&xt"), &MainWindow::copySessionText,
                      QKeySequence(u"Ctrl+Shift+C"_s));
    // Text and selections
    addSessionCommand(mEditMenu, tr("P&aste Text"), &MainWindow::pasteText, QKeySequence(u"Ctrl+Shift+V"_s));
    addSessionCommand(mEditMenu, tr("Step &Selection Up"), &MainWindow::stepSelectionUp, QKeySequence(u"Ctrl+Up"_s));
    addSessionCommand(mEditMenu, tr("Step Selection &Down"), &MainWindow::stepSelectionDown,
                      QKeySequence(u"Ctrl+Down"_s));
    mEditMenu->addSeparator();
    addSessionCommand(mEditMenu, tr("&Glide Across Selection\u2026"), &MainWindow::glideAcrossSelection);
    addSessionCommand(mEditMenu, tr("Sp&lit Segment\u2026"), &MainWindow::splitSegment);
    addCommand(mEditMenu, tr("Pr&eferences\u2026"), &MainWindow::editPreferences);
    createUndoActions();

    mDownloadMenu = menuBar()->addMenu(tr("&Download"));
    addCommand(mDownloadMenu, tr("Set Comm &Port"), &MainWindow::selectPort);
    addSessionCommand(mDownloadMenu, tr("Download (&Append)"), &MainWindow::downloadAppend);
    addSessionCommand(mDownloadMenu, tr("Download (&Clear)"), &MainWindow::downloadClear);

    mViewMenu = menuBar()->addMenu(tr("&View"));
    addSessionCommand(mViewMenu, tr("Graph by &Segments"), &MainWindow::showSegmentGraph);
    addSessionCommand(mViewMenu, tr("Graph by &Time"), &MainWindow::showTimeGraph);
    addCommand(mViewMenu, tr("Session &Description"), &MainWindow::editDescription);
    addSessionCommand(mViewMenu, tr("&Check Session"), &MainWindow::showProblems, QKeySequence(Qt::Key_F8));

    mHelpMenu = menuBar()->addMenu(tr("&Help"));
    addCommand(mHelpMenu, tr("&Contents"), &MainWindow::showHelpContents, QKeySequence(Qt::Key_F1));
    addCommand(mHelpMenu, tr("Conte&xt"), &MainWindow::showContextHelp);
    addCommand(mHelpMenu, tr("&Safety"), &MainWindow::showSafety);
    addCommand(mHelpMenu, tr("&About"), &MainWindow::showAbout);
    for (QMenu *menu : {mFileMenu, mEditMenu, mDownloadMenu, mViewMenu})
        connect(menu, &QMenu::aboutToShow, this, &MainWindow::updateSessionCommands);
}

void MainWindow::gatherWindows()
{
    PreviewController &preview = *mWindows.preview;
    QMenu *previewMenu = preview.createMenu(this);
    menuBar()->insertMenu(mHelpMenu->menuAction(), previewMenu);
    mFileMenu->insertAction(mActionQuit, preview.exportAction());
    connect(mFileMenu, &QMenu::aboutToShow, &preview, &PreviewController::updateCommands);
    statusBar()->addPermanentWidget(preview.positionLabel());
    addAction(preview.playOrPauseAction());
    connect(&preview, &PreviewController::playingColumnChanged, mGridModel, &SessionGridModel::setPlayingColumn);
    mViewMenu->addAction(mWindows.timelineWindow->toggleAction());
    mWindows.introductionWindow->installEventFilter(this);
    // The graph window keeps Ctrl+S for its picture.
    QList<QAction *> commands = windowCommands();
    mWindows.timelineWindow->addActions(commands);
    commands.removeOne(mActionSave);
    mWindows.graphWindow->addActions(commands);
}

// The menus' keys, and Space, for every window of the session.
QList<QAction *> MainWindow::windowCommands() const
{
    QList<QAction *> commands;
    for (const QAction *entry : menuBar()->actions()) {
        if (entry->menu())
            commands << entry->menu()->actions();
    }
    commands << mWindows.preview->playOrPauseAction();
    return commands;
}

void MainWindow::initialize(const QStringList &arguments)
{
    setSessionShown(false);

    mPortNumber = mSettings.port();
    // Written back only where the file lacks it as it is written.
    if (!mSettings.holdsPort())
        mPortToWriteBack = mPortNumber;

    mStartupFileName.clear();
    if (!arguments.isEmpty()) {
        const QFileInfo file(arguments.first());
        // File managers pass the name as stored, often in lower case.
        if (SessionFormats::sessionFile().matches(file.fileName()) && file.isFile())
            mStartupFileName = file.absoluteFilePath();
    }
}

void MainWindow::updateSessionCommands()
{
    const bool shown = isSessionShown();
    for (QAction *action : std::as_const(mSessionCommands))
        action->setEnabled(shown);
    updateUndoActions();
}

// Following the document and the editor.
void MainWindow::followDocument()
{
    const SessionDocument &document = mEditor.document();
    connect(&mEditor, &SessionEditor::sessionShownChanged, this, &MainWindow::showSession);
    connect(&document, &SessionDocument::gridChanged, this, &MainWindow::refreshCheck);
    // A bed's missing file is a note.
    connect(&document, &SessionDocument::bedsChanged, this, &MainWindow::refreshCheck);
    connect(&document, &SessionDocument::kindChanged, this, &MainWindow::refreshCheck);
    connect(&document, &SessionDocument::nameChanged, this,
            [this](const QString &name) { setWindowTitle(sessionCaption(name, false)); });
    connect(&document, &SessionDocument::historyChanged, this, &MainWindow::updateUndoActions);
    connect(&document, &SessionDocument::saved, this, [this](const QString &path) { mRecentFilesMenu->addFile(path); });
    connect(&document, &SessionDocument::replaced, this, &MainWindow::showReplacedSession);
}

void MainWindow::showReplacedSession()
{
    setSessionShown(true); // and the check
    setWindowTitle(sessionCaption(session().name, true));
    selectCell({0, TimeRow});
}

void MainWindow::showSession(bool shown)
{
    if (shown)
        sheet();
    if (mSheet)
        mSheet->setVisible(shown);
    mFirstRunHint->setVisible(!shown);
    if (mSafetyNotice)
        mSafetyNotice->setVisible(!shown);
    updateSessionCommands();
    refreshCheck();
}

// Window events

void MainWindow::refreshLayout()
{
    mCaption = sessionCaption(session().name, false);
    layOutWindow();
}

void MainWindow::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (event->spontaneous())
        return;
    refreshLayout();
}

void MainWindow::moveEvent(QMoveEvent *event)
{
    QMainWindow::moveEvent(event);
    // A window manager places a new window by its own rules when it maps it;
    // the first placement it reports is taken back to the top-left corner.
    if (!mPlacedAtCorner && event->spontaneous() && isVisible()) {
        mPlacedAtCorner = true;
        if (!(windowState() & (Qt::WindowMinimized | Qt::WindowMaximized)) && pos() != QPoint(0, 0))
            QTimer::singleShot(0, this, [this] { move(0, 0); });
    }
}

void MainWindow::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    if (mLayingOut || !isVisible() || (windowState() & (Qt::WindowMinimized | Qt::WindowMaximized)))
        return;
    // Snap back after the window manager has finished its own resize.
    QTimer::singleShot(0, this, [this] {
        if (windowState() & (Qt::WindowMinimized | Qt::WindowMaximized))
            return;
        refreshLayout();
    });
}

void MainWindow::layOutWindow()
{
    const QScreen *screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    const int screenWidth = screen ? screen->geometry().width() : 1024;
    // The status bar is an addition below the controls, which keep their places.
    const int clientExtra = menuBar()->sizeHint().height() + statusBar()->sizeHint().height();
    const MainWindowLayout layout = ::mainWindowLayout(screenWidth, SessionSheet::RowLabelWidth,
                                                       SessionSheet::ColumnWidth, ButtonRowBottom, clientExtra);
    mLayingOut = true;
    mGridWidth = layout.gridWidth;
    if (mSheet)
        mSheet->setGridWidth(mGridWidth);
    // Outer borders are the window manager's; the client gets the rest.
    const QSize client(layout.gridWidth + SessionSheet::RowLabelWidth, layout.windowHeight);
    if (size() != client)
        resize(client);
    move(0, 0);
    setWindowTitle(mCaption);
    mLayingOut = false;
}

bool MainWindow::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate)
        runCommand([this] { openStartupFile(); });
    if (event->type() == QEvent::Paint && mPortToWriteBack) {
        // The port read at start is written back after the window's first
        // paint, so that the disk's sync does not hold up the first look at
        // the window; a port chosen meanwhile was stored when chosen. A
        // settings file that cannot be written must not stop the program.
        QTimer::singleShot(0, this, [this, port = *mPortToWriteBack] {
            if (mPortNumber == port)
                mSettings.setPort(port);
        });
        mPortToWriteBack.reset();
    }
    return QMainWindow::event(event);
}

// The safety notice is in view once the introduction has gone.
bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Hide && mSafetyNotice && !mSafetyNotice->isHidden()) {
        if (const std::optional<QString> failure = UserNotices::markShown(UserNotices::Safety))
            QTimer::singleShot(0, this, [this, reason = *failure] { prompter().error(reason); });
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (!maybeSave()) {
        event->ignore();
        return;
    }
    mRecovery.end();
    // A conversation still under way ends here, without a word.
    mDeviceLink.abandon();
    QMainWindow::closeEvent(event);
    QCoreApplication::quit();
}

// Commands

void MainWindow::newSession()
{
    if (!maybeSave())
        return;
    // Named before the kind is asked, as the new session will be.
    setWindowTitle(sessionCaption(newSessionName(), true));
    ::newSession(context());
}

void MainWindow::quit()
{
    close();
}

void MainWindow::showConfirmation(const QString &text)
{
    statusBar()->showMessage(text, ConfirmationMilliseconds);
}

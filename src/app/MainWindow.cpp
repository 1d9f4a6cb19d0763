#include "app/MainWindow.h"

#include "app/FirstRunHint.h"
#include "app/SafetyNotice.h"
#include "app/MainWindowLayout.h"
#include "app/MirandelWindows.h"
#include "app/RecentFilesMenu.h"
#include "app/CellEditDelegate.h"
#include "app/SessionFileDrop.h"
#include "app/SessionGridModel.h"
#include "app/SessionTableView.h"
#include "core/files/FileCommands.h"
#include "core/session/CommandError.h"
#include "core/session/NewSession.h"
#include "core/settings/UserNotices.h"
#include "core/session/RowDescriptions.h"
#include "app/windows/IntroductionWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QScreen>
#include <QScrollBar>
#include <QStatusBar>
#include <QTableView>
#include <QTableWidget>
#include <QTextBlock>
#include <QTextCursor>
#include <QTimer>

using namespace Qt::Literals::StringLiterals;

namespace {
constexpr int DefaultColumnWidth = 60;
constexpr int RowHeight = 22;
constexpr int RowLabelWidth = 91;
// The window's height follows the row of buttons under the grid.
constexpr QRect UpButtonPlace(138, 392, 88, 33);
constexpr int ButtonRowBottom = UpButtonPlace.y() + UpButtonPlace.height();
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
    , mPrompter(&mQtPrompter)
    , mGridModel(new SessionGridModel(mDocument, this))
{
    setWindowTitle(u"Veltrano Mirandel 100"_s);
    QFont windowFont = font();
    windowFont.setPixelSize(13);
    setFont(windowFont);
    createControls();
    createCheckViews();
    createMenus();
    followDocument();
    initialize(arguments);
    setUpRecovery();
    qApp->installEventFilter(this);
    connect(new SessionFileDrop(this), &SessionFileDrop::fileDropped, this, &MainWindow::openNamedFile);
}

MainWindow::~MainWindow()
{
    qApp->removeEventFilter(this);
    // The document outlives the recovery timer and would report to it.
    mDocument.disconnect(this);
}

void MainWindow::createControls()
{
    auto *client = new QWidget(this);
    setCentralWidget(client);
    mFirstRunHint = new FirstRunHint(client);
    if (!UserNotices::wasShown(UserNotices::Safety))
        mSafetyNotice = new SafetyNotice(client);
}

void MainWindow::ensureSessionArea()
{
    if (!mSessionTable)
        createSessionArea();
}

// The grid and the controls around it are hidden until a session is shown,
// so they are made when first needed rather than at start, where they would
// cost more than the rest of the main window.
void MainWindow::createSessionArea()
{
    QWidget *client = centralWidget();
    mRowLabels = new QTableWidget(SessionGrid::RowCount, 1, client);
    mRowLabels->setGeometry(0, 0, RowLabelWidth, 369);
    mRowLabels->setEnabled(false);
    mRowLabels->setFrameShape(QFrame::NoFrame);
    mRowLabels->horizontalHeader()->hide();
    mRowLabels->verticalHeader()->hide();
    mRowLabels->verticalHeader()->setDefaultSectionSize(RowHeight);
    mRowLabels->setColumnWidth(0, RowLabelWidth);
    mRowLabels->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    mRowLabels->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QFont labelFont = mRowLabels->font();
    labelFont.setBold(true);
    labelFont.setPixelSize(12);
    mRowLabels->setFont(labelFont);
    QPalette labelPalette = mRowLabels->palette();
    labelPalette.setColor(QPalette::Disabled, QPalette::Text, labelPalette.color(QPalette::Active, QPalette::Text));
    mRowLabels->setPalette(labelPalette);
    mRowLabels->setAccessibleName(tr("Row labels"));

    mSessionTable = new SessionTableView(client);
    mSessionTable->setGeometry(RowLabelWidth, 0, mGridWidth, 385);
    mSessionTable->setModel(mGridModel);
    mSessionTable->setItemDelegate(new CellEditDelegate(
        mDocument, [this](const CellPos &cell, const QString &text) { enterTypedValue(cell, text); }, mSessionTable));
    mSessionTable->setFrameShape(QFrame::NoFrame);
    mSessionTable->horizontalHeader()->hide();
    mSessionTable->verticalHeader()->hide();
    // A column is 60 pixels plus its grid line.
    mSessionTable->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    mSessionTable->horizontalHeader()->setDefaultSectionSize(DefaultColumnWidth + 1);
    mSessionTable->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    mSessionTable->verticalHeader()->setMinimumSectionSize(RowHeight);
    mSessionTable->verticalHeader()->setDefaultSectionSize(RowHeight);
    mSessionTable->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    mSessionTable->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    mSessionTable->setHorizontalScrollMode(QAbstractItemView::ScrollPerItem);
    mSessionTable->setSelectionMode(QAbstractItemView::ContiguousSelection);
    mSessionTable->setTabKeyNavigation(false);
    mSessionTable->setAccessibleName(tr("Session table"));
    mSessionTable->setAccessibleDescription(tr("One column for each segment; the rows are its settings"));
    mSessionTable->horizontalScrollBar()->setAccessibleName(tr("Segments"));
    connect(mSessionTable->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex &current) {
                if (current.isValid())
                    currentCellChanged(current.column(), current.row());
            });

    mNewSegmentButton = new QPushButton(tr("New Segment(N)"), client);
    mNewSegmentButton->setGeometry(13, 392, 113, 33);
    mUpButton = new QPushButton(tr("Up(+)"), client);
    mUpButton->setGeometry(UpButtonPlace);
    mDownButton = new QPushButton(tr("Down(-)"), client);
    mDownButton->setGeometry(238, 392, 89, 33);
    for (QPushButton *button : {mNewSegmentButton, mUpButton, mDownButton})
        button->setFocusPolicy(Qt::ClickFocus);
    mNewSegmentButton->setToolTip(tr("Adds a segment after the last one (key N)"));
    mUpButton->setToolTip(tr("Steps the selected cell to its next value (key +)"));
    mDownButton->setToolTip(tr("Steps the selected cell to its previous value (key -)"));
    // Read aloud, the key in brackets would be spelled out; the tooltip says it.
    mNewSegmentButton->setAccessibleName(tr("New Segment"));
    mUpButton->setAccessibleName(tr("Up"));
    mDownButton->setAccessibleName(tr("Down"));
    // Through runCommand, like the keys: bad cell text must not end the program.
    connect(mNewSegmentButton, &QPushButton::clicked, this, [this] { runCommand([this] { newSegment(); }); });
    connect(mUpButton, &QPushButton::clicked, this, [this] { runCommand([this] { stepUp(); }); });
    connect(mDownButton, &QPushButton::clicked, this, [this] { runCommand([this] { stepDown(); }); });

    mTimingPanel = new QPlainTextEdit(client);
    mTimingPanel->setGeometry(339, 388, 270, 45);
    mTimingPanel->setReadOnly(true);
    mTimingPanel->setLineWrapMode(QPlainTextEdit::NoWrap);
    mTimingPanel->setFocusPolicy(Qt::NoFocus);
    mTimingPanel->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    mTimingPanel->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    mTimingPanel->setAccessibleName(tr("Timing"));
    mTimingPanel->setAccessibleDescription(tr("Times of the selected segment and of the whole session"));

    const QStringList labels = rowLabels(PulsedSession);
    for (int row = SegmentNumberRow; row < SessionGrid::RowCount; ++row) {
        mRowLabels->setRowHeight(row, RowHeight);
        mRowLabels->setItem(row, 0, new QTableWidgetItem(labels.at(row)));
    }
    // The label of the segment numbers' row is blank, not nameless.
    mRowLabels->item(SegmentNumberRow, 0)->setData(Qt::AccessibleTextRole, tr("Segment"));
    for (QWidget *control : sessionControls())
        control->hide();
    // Made after the window was shown, the hidden grid would lay out its
    // viewport only when first shown, and scrolling measures it before.
    mSessionTable->doItemsLayout();
    mSessionTable->setCurrentIndex(mGridModel->index(TimeRow, 0));
}

int MainWindow::buttonRowBottom()
{
    return upButton()->y() + upButton()->height();
}

std::array<QWidget *, 6> MainWindow::sessionControls() const
{
    return {mSessionTable, mRowLabels, mTimingPanel, mNewSegmentButton, mUpButton, mDownButton};
}

QAction *MainWindow::addCommand(QMenu *menu, const QString &caption, void (MainWindow::*handler)(),
                            const QKeySequence &shortcut)
{
    QAction *action = menu->addAction(caption);
    action->setShortcut(shortcut);
    connect(action, &QAction::triggered, this,
            [this, handler] { runCommand([this, handler] { (this->*handler)(); }); });
    return action;
}

void MainWindow::createMenus()
{
    mFileMenu = menuBar()->addMenu(tr("&File"));
    mActionNew = addCommand(mFileMenu, tr("&New"), &MainWindow::newSession);
    mActionNewFromTemplate = addCommand(mFileMenu, tr("New &from Template\u2026"), &MainWindow::newFromTemplate);
    mActionOpen = addCommand(mFileMenu, tr("&Open"), &MainWindow::openFile, QKeySequence(u"Ctrl+O"_s));
    mRecentFilesMenu = new RecentFilesMenu(mSettings, this);
    mFileMenu->addMenu(mRecentFilesMenu);
    connect(mRecentFilesMenu, &RecentFilesMenu::fileChosen, this, &MainWindow::openRecentFile);
    connect(mFileMenu, &QMenu::aboutToShow, mRecentFilesMenu, &RecentFilesMenu::ensureLoaded);
    mActionImport = addCommand(mFileMenu, tr("&Import\u2026"), &MainWindow::importSession);
    mActionSave = addCommand(mFileMenu, tr("&Save"), &MainWindow::saveFile, QKeySequence(u"Ctrl+S"_s));
    mActionSaveAs = addCommand(mFileMenu, tr("Save &As"), &MainWindow::saveFileAs, QKeySequence(u"Ctrl+Shift+S"_s));
    mActionSaveAsTemplate = addCommand(mFileMenu, tr("Save as Te&mplate\u2026"), &MainWindow::saveAsTemplate);
    mActionExport = addCommand(mFileMenu, tr("Expor&t Session As\u2026"), &MainWindow::exportSession);
    mActionPrint = addCommand(mFileMenu, tr("&Print"), &MainWindow::printListing, QKeySequence(u"Ctrl+P"_s));
    mActionQuit = addCommand(mFileMenu, tr("E&xit"), &MainWindow::quit, QKeySequence(u"Ctrl+Q"_s));

    mEditMenu = menuBar()->addMenu(tr("&Edit"));
    mActionCopySegment =
        addCommand(mEditMenu, tr("&Copy Segment"), &MainWindow::copySegment, QKeySequence(u"Ctrl+C"_s));
    mActionPasteSegment =
        addCommand(mEditMenu, tr("&Paste Segment"), &MainWindow::pasteSegment, QKeySequence(u"Ctrl+V"_s));
    mActionCutSegment = addCommand(mEditMenu, tr("Cu&t Segment"), &MainWindow::cutSegment, QKeySequence(u"Ctrl+X"_s));
    mActionInsertSegment = addCommand(mEditMenu, tr("&Insert Segment"), &MainWindow::insertSegment,
                                QKeySequence(u"Ctrl+Ins"_s));
    mActionNameSession = addCommand(mEditMenu, tr("&Name Session"), &MainWindow::renameSession);
    mActionCopySessionText = addCommand(mEditMenu, tr("Copy Session as Te&xt"), &MainWindow::copySessionText,
                                        QKeySequence(u"Ctrl+Shift+C"_s));
    // Text and selections
    mActionPasteText =
        addCommand(mEditMenu, tr("P&aste Text"), &MainWindow::pasteText, QKeySequence(u"Ctrl+Shift+V"_s));
    mActionStepSelectionUp = addCommand(mEditMenu, tr("Step &Selection Up"), &MainWindow::stepSelectionUp,
                                        QKeySequence(u"Ctrl+Up"_s));
    mActionStepSelectionDown = addCommand(mEditMenu, tr("Step Selection &Down"), &MainWindow::stepSelectionDown,
                                          QKeySequence(u"Ctrl+Down"_s));
    mEditMenu->addSeparator();
    mActionGlide = addCommand(mEditMenu, tr("&Glide Across Selection\u2026"), &MainWindow::glideAcrossSelection);
    mActionPreferences = addCommand(mEditMenu, tr("Pr&eferences\u2026"), &MainWindow::editPreferences);
    createUndoActions();

    mDownloadMenu = menuBar()->addMenu(tr("&Download"));
    mActionSelectPort = addCommand(mDownloadMenu, tr("Set Comm &Port"), &MainWindow::selectPort);
    mActionDownloadAppend = addCommand(mDownloadMenu, tr("Download (&Append)"), &MainWindow::downloadAppend);
    mActionDownloadClear = addCommand(mDownloadMenu, tr("Download (&Clear)"), &MainWindow::downloadClear);

    mViewMenu = menuBar()->addMenu(tr("&View"));
    mActionSegmentGraph = addCommand(mViewMenu, tr("Graph by &Segments"), &MainWindow::showSegmentGraph);
    mActionTimeGraph = addCommand(mViewMenu, tr("Graph by &Time"), &MainWindow::showTimeGraph);
    mActionDescription = addCommand(mViewMenu, tr("Session &Description"), &MainWindow::editDescription);
    mActionCheckSession =
        addCommand(mViewMenu, tr("&Check Session"), &MainWindow::showProblems, QKeySequence(Qt::Key_F8));

    mHelpMenu = menuBar()->addMenu(tr("&Help"));
    mActionHelpContents =
        addCommand(mHelpMenu, tr("&Contents"), &MainWindow::showHelpContents, QKeySequence(Qt::Key_F1));
    mActionContextHelp = addCommand(mHelpMenu, tr("Conte&xt"), &MainWindow::showContextHelp);
    mActionSafety = addCommand(mHelpMenu, tr("&Safety"), &MainWindow::showSafety);
    mActionAbout = addCommand(mHelpMenu, tr("&About"), &MainWindow::showAbout);

    mSessionCommands = {mActionSave,          mActionSaveAs,       mActionExport,         mActionPrint,          mActionCopySegment,
                        mActionPasteSegment,  mActionCutSegment,   mActionInsertSegment,  mActionNameSession,
                        mActionDownloadAppend, mActionDownloadClear, mActionSegmentGraph, mActionTimeGraph,
                        mActionCheckSession,  mActionCopySessionText, mActionPasteText, mActionStepSelectionUp,
                        mActionStepSelectionDown, mActionGlide, mActionSaveAsTemplate};
    for (QMenu *menu : {mFileMenu, mEditMenu, mDownloadMenu, mViewMenu})
        connect(menu, &QMenu::aboutToShow, this, &MainWindow::updateSessionCommands);
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
        if (file.absoluteFilePath().endsWith(u".LSS"_s, Qt::CaseInsensitive) && file.isFile())
            mStartupFileName = file.absoluteFilePath();
    }
}

bool MainWindow::isSessionShown() const
{
    return mSessionTable && !mSessionTable->isHidden();
}

void MainWindow::updateSessionCommands()
{
    const bool shown = isSessionShown();
    for (QAction *action : std::as_const(mSessionCommands))
        action->setEnabled(shown);
    updateUndoActions();
}

void MainWindow::runCommand(const std::function<void()> &command)
{
    ::runCommand(*mPrompter, command);
}

CellRange MainWindow::readSelection()
{
    ensureSessionArea();
    CellRange range;
    const QModelIndex current = mSessionTable->currentIndex();
    if (current.isValid())
        range = {current.column(), current.row(), current.column(), current.row()};
    const QItemSelection selection = mSessionTable->selectionModel()->selection();
    if (!selection.isEmpty()) {
        range = {INT_MAX, INT_MAX, -1, -1};
        for (const QItemSelectionRange &part : selection) {
            range.left = std::min(range.left, part.left());
            range.top = std::min(range.top, part.top());
            range.right = std::max(range.right, part.right());
            range.bottom = std::max(range.bottom, part.bottom());
        }
    }
    range.top = std::max(range.top, 1);
    range.bottom = std::max(range.bottom, range.top);
    return range;
}

// Following the document. The order of the connections is the order of the
// effects: an edit's cell is selected before the timing refresh, which a
// bad number may stop.
void MainWindow::followDocument()
{
    connect(&mDocument, &SessionDocument::gridChanged, this, &MainWindow::refreshCheck);
    connect(&mDocument, &SessionDocument::kindChanged, this, [this] {
        showRowLabels();
        refreshCheck();
    });
    connect(&mDocument, &SessionDocument::nameChanged, this,
            [this](const QString &name) { setWindowTitle(sessionCaption(name, false)); });
    connect(&mDocument, &SessionDocument::historyChanged, this, &MainWindow::updateUndoActions);
    connect(&mDocument, &SessionDocument::saved, this, [this](const QString &path) { mRecentFilesMenu->addFile(path); });
    connect(&mDocument, &SessionDocument::edited, this, &MainWindow::showEdit);
    mTiming.follow(mDocument);
    connect(&mTiming, &TimingPanel::changed, this, &MainWindow::showTiming);
    connect(&mDocument, &SessionDocument::replaced, this, &MainWindow::showReplacedSession);
}

void MainWindow::showRowLabels()
{
    ensureSessionArea();
    const QStringList labels = rowLabels(mSession.kind);
    for (int row = StartFreqRow; row <= ChordRow; ++row)
        mRowLabels->item(row, 0)->setText(labels.at(row));
    for (int row = TimeRow; row < SessionGrid::RowCount; ++row)
        mRowLabels->item(row, 0)->setToolTip(rowDescription(mSession.kind, row));
}

// An edit, its undo or its redo shows its cell, on a segment that exists;
// a step that names only its segment keeps the selected row.
void MainWindow::showEdit(const EditStep &step)
{
    CellPos cell = step.cell;
    cell.column = std::min(cell.column, mSession.cells.columnCount() - 1);
    if (cell.row == 0)
        cell.row = selectedCell().row;
    selectCell(cell);
    if (step.columns > 1) {
        const int last = std::min(cell.column + step.columns, mSession.cells.columnCount()) - 1;
        mSessionTable->selectionModel()->select(
            QItemSelection(mGridModel->index(cell.row, cell.column), mGridModel->index(cell.row, last)),
            QItemSelectionModel::Select);
    }
}

void MainWindow::showReplacedSession()
{
    showRowLabels();
    setSessionShown(true); // and the check
    setWindowTitle(sessionCaption(mSession.name, true));
    selectCell({0, 1});
}

void MainWindow::showTiming()
{
    // Laying text out is most of what a selection costs: only a line that
    // changed is set again.
    ensureSessionArea();
    QTextDocument *panel = mTimingPanel->document();
    const QStringList &lines = mTiming.lines();
    if (panel->blockCount() != lines.size()) {
        mTimingPanel->setPlainText(lines.join(u'\n'));
        return;
    }
    for (int i = 0; i < lines.size(); ++i) {
        const QTextBlock block = panel->findBlockByNumber(i);
        if (block.text() == lines.at(i))
            continue;
        QTextCursor cursor(block);
        cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
        cursor.insertText(lines.at(i));
    }
}

void MainWindow::setSessionShown(bool shown)
{
    if (shown)
        ensureSessionArea();
    if (mSessionTable) {
        for (QWidget *control : sessionControls())
            control->setVisible(shown);
    }
    mFirstRunHint->setVisible(!shown);
    if (mSafetyNotice)
        mSafetyNotice->setVisible(!shown);
    updateSessionCommands();
    refreshCheck();
    emit sessionShownChanged(shown);
}

void MainWindow::selectCell(const CellPos &cell)
{
    ensureSessionArea();
    const QModelIndex index = mGridModel->index(cell.row, cell.column);
    {
        const QScopedValueRollback selectionByCommand(mSelectionByCommand, true);
        // Through the view, so that Shift and an arrow extend from this cell.
        mSessionTable->setCurrentIndex(index);
    }
    mSessionTable->scrollTo(index);
    focusGrid();
}

void MainWindow::focusGrid()
{
    ensureSessionArea();
    mSessionTable->setFocus();
}

void MainWindow::scrollToLastSegment()
{
    ensureSessionArea();
    const int visible = mSessionTable->viewport()->width() / (DefaultColumnWidth + 1);
    const int segments = mSession.cells.columnCount();
    // The scroll bar stops where the last column meets the right edge, one
    // column short of this leftmost column: the last segment shows either way.
    if (visible < segments)
        mSessionTable->horizontalScrollBar()->setValue(segments - visible + 1);
}


// Window events

void MainWindow::refreshLayout()
{
    mCaption = sessionCaption(mSession.name, false);
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
    const MainWindowLayout layout = ::mainWindowLayout(screenWidth, RowLabelWidth, DefaultColumnWidth,
                                                       ButtonRowBottom, clientExtra);
    mLayingOut = true;
    mGridWidth = layout.gridWidth;
    if (mSessionTable)
        mSessionTable->resize(mGridWidth, mSessionTable->height());
    // Outer borders are the window manager's; the client gets the rest.
    const QSize client(layout.gridWidth + RowLabelWidth, layout.windowHeight);
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

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    // The safety notice is in view once the introduction has gone.
    if (event->type() == QEvent::Hide && mSafetyNotice && watched == mWindows.introductionWindow.get()
        && !mSafetyNotice->isHidden()) {
        if (const std::optional<QString> failure = UserNotices::markShown(UserNotices::Safety))
            QTimer::singleShot(0, this, [this, reason = *failure] { mPrompter->error(reason); });
    }
    // The key that dismisses the introduction does nothing else, not even
    // a shortcut such as Space: claimed here, it comes back as a key press.
    if (event->type() == QEvent::ShortcutOverride && mWindows.introductionWindow
        && mWindows.introductionWindow->isVisible()) {
        event->accept();
        return true;
    }
    if (event->type() == QEvent::KeyPress) {
        auto *widget = qobject_cast<QWidget *>(watched);
        // Keys typed into a cell's editor are the editor's.
        const bool inCellEditor = widget && mSessionTable && widget != mSessionTable->viewport()
            && mSessionTable->viewport()->isAncestorOf(widget);
        if (widget && widget->window() == this && !inCellEditor) {
            auto *key = static_cast<QKeyEvent *>(event);
            if (handleKeyDown(key) || handleKeyPress(key))
                return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

bool MainWindow::handleKeyDown(QKeyEvent *event)
{
    if (mWindows.introductionWindow && mWindows.introductionWindow->isVisible()) {
        mWindows.introductionWindow->close();
        return true;
    }
    if (event->key() == Qt::Key_N && isSessionShown()) {
        runCommand([this] { newSegment(); });
        return true;
    }
    return false;
}

bool MainWindow::handleKeyPress(QKeyEvent *event)
{
    if (!isSessionShown())
        return false;
    if (event->text() == u"+"_s) {
        runCommand([this] { stepUp(); });
        return true;
    }
    if (event->text() == u"-"_s) {
        runCommand([this] { stepDown(); });
        return true;
    }
    return false;
}

void MainWindow::currentCellChanged(int column, int row)
{
    Q_UNUSED(row);
    // The empty start-up grid and a grid hidden while a file is read have no
    // times to add. A command that moves the selection refreshes the panel
    // itself; refreshing here too would report a bad number twice.
    if (!isSessionShown() || mSelectionByCommand || mGridModel->isFollowing())
        return;
    runCommand([this, column] { mTiming.refresh(mSession.cells, column + 1); });
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (!maybeSave()) {
        event->ignore();
        return;
    }
    mRecoveryTimer.stop();
    mRecoveryCopy.remove();
    mDeviceLink.closePort();
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

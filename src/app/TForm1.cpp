#include "app/TForm1.h"

#include "app/MainWindowLayout.h"
#include "app/MirandelWindows.h"
#include "app/SessionCellDelegate.h"
#include "app/SessionGridModel.h"
#include "device/ComPortError.h"
#include "files/FileCommands.h"
#include "session/ConversionError.h"
#include "session/NewSession.h"
#include "session/PortSetting.h"
#include "session/ProgramFiles.h"
#include "session/TimingSummary.h"
#include "session/forms/TForm2.h"
#include "views/forms/TForm7.h"

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
#include <QTableView>
#include <QTableWidget>
#include <QTimer>

using namespace Qt::Literals::StringLiterals;

namespace {
constexpr int DefaultColumnWidth = 60;
constexpr int RowHeight = 22;
} // namespace

TForm1::TForm1(MirandelWindows &windows, const QStringList &arguments, QWidget *parent)
    : QMainWindow(parent)
    , mWindows(windows)
    , mQtPrompter(this)
    , mPrompter(&mQtPrompter)
    , mGridModel(new SessionGridModel(mSession, this))
{
    setWindowTitle(u"Veltrano Mirandel 100"_s);
    QFont windowFont = font();
    windowFont.setPixelSize(13);
    setFont(windowFont);
    createControls();
    createMenus();
    FormCreate(arguments);
    qApp->installEventFilter(this);
}

TForm1::~TForm1()
{
    qApp->removeEventFilter(this);
}

void TForm1::createControls()
{
    auto *client = new QWidget(this);
    setCentralWidget(client);

    StringGrid2 = new QTableWidget(SessionGrid::RowCount, 1, client);
    StringGrid2->setGeometry(0, 0, 91, 369);
    StringGrid2->setEnabled(false);
    StringGrid2->setFrameShape(QFrame::NoFrame);
    StringGrid2->horizontalHeader()->hide();
    StringGrid2->verticalHeader()->hide();
    StringGrid2->verticalHeader()->setDefaultSectionSize(RowHeight);
    StringGrid2->setColumnWidth(0, 91);
    StringGrid2->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    StringGrid2->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QFont labelFont = StringGrid2->font();
    labelFont.setBold(true);
    labelFont.setPixelSize(12);
    StringGrid2->setFont(labelFont);
    QPalette labelPalette = StringGrid2->palette();
    labelPalette.setColor(QPalette::Disabled, QPalette::Text, labelPalette.color(QPalette::Active, QPalette::Text));
    StringGrid2->setPalette(labelPalette);

    StringGrid1 = new QTableView(client);
    StringGrid1->setGeometry(91, 0, 459, 385);
    StringGrid1->setModel(mGridModel);
    StringGrid1->setItemDelegate(new SessionCellDelegate(StringGrid1));
    StringGrid1->setFrameShape(QFrame::NoFrame);
    StringGrid1->horizontalHeader()->hide();
    StringGrid1->verticalHeader()->hide();
    // A column is 60 pixels plus its grid line.
    StringGrid1->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    StringGrid1->horizontalHeader()->setDefaultSectionSize(DefaultColumnWidth + 1);
    StringGrid1->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    StringGrid1->verticalHeader()->setMinimumSectionSize(RowHeight);
    StringGrid1->verticalHeader()->setDefaultSectionSize(RowHeight);
    StringGrid1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    StringGrid1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    StringGrid1->setHorizontalScrollMode(QAbstractItemView::ScrollPerItem);
    StringGrid1->setSelectionMode(QAbstractItemView::ContiguousSelection);
    StringGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    StringGrid1->setTabKeyNavigation(false);
    connect(StringGrid1->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex &current) {
                if (current.isValid())
                    onselect(current.column(), current.row());
            });

    NewSeg = new QPushButton(u"New Segment(N)"_s, client);
    NewSeg->setGeometry(13, 392, 113, 33);
    upbutton = new QPushButton(u"Up(+)"_s, client);
    upbutton->setGeometry(138, 392, 88, 33);
    downbutton = new QPushButton(u"Down(-)"_s, client);
    downbutton->setGeometry(238, 392, 89, 33);
    for (QPushButton *button : {NewSeg, upbutton, downbutton})
        button->setFocusPolicy(Qt::ClickFocus);
    // Through runCommand, like the keys: bad cell text must not end the program.
    connect(NewSeg, &QPushButton::clicked, this, [this] { runCommand([this] { NewSegClick(); }); });
    connect(upbutton, &QPushButton::clicked, this, [this] { runCommand([this] { upbuttonClick(); }); });
    connect(downbutton, &QPushButton::clicked, this, [this] { runCommand([this] { downbuttonClick(); }); });

    memo1 = new QPlainTextEdit(client);
    memo1->setGeometry(339, 388, 270, 45);
    memo1->setReadOnly(true);
    memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    memo1->setFocusPolicy(Qt::NoFocus);
    memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

QAction *TForm1::addCommand(QMenu *menu, const QString &caption, void (TForm1::*handler)(),
                            const QKeySequence &shortcut)
{
    QAction *action = menu->addAction(caption);
    action->setShortcut(shortcut);
    connect(action, &QAction::triggered, this, [this, handler] { runCommand([this, handler] { (this->*handler)(); }); });
    return action;
}

void TForm1::createMenus()
{
    File1 = menuBar()->addMenu(u"&File"_s);
    New1 = addCommand(File1, u"&New"_s, &TForm1::New1Click);
    Open1 = addCommand(File1, u"&Open"_s, &TForm1::Open1Click);
    Save1 = addCommand(File1, u"&Save"_s, &TForm1::Save1Click);
    Saveas1 = addCommand(File1, u"Save &As"_s, &TForm1::SaveasClick);
    Print1 = addCommand(File1, u"&Print"_s, &TForm1::PrintClick);
    Exit2 = addCommand(File1, u"E&xit"_s, &TForm1::Exit2Click);

    Edit1 = menuBar()->addMenu(u"&Edit"_s);
    CopySegment1 = addCommand(Edit1, u"&Copy Segment"_s, &TForm1::CopySegmentClick, QKeySequence(u"Ctrl+C"_s));
    PasteSegment1 = addCommand(Edit1, u"&Paste Segment"_s, &TForm1::PasteSegmentClick, QKeySequence(u"Ctrl+V"_s));
    CutSegment1 = addCommand(Edit1, u"Cu&t Segment"_s, &TForm1::CutSegmentClick, QKeySequence(u"Ctrl+X"_s));
    InsertSegment1 = addCommand(Edit1, u"&Insert Segment"_s, &TForm1::InsertSegmentClick,
                                QKeySequence(u"Ctrl+Ins"_s));
    Name1 = addCommand(Edit1, u"&Name Session"_s, &TForm1::Name1Click);

    IO1 = menuBar()->addMenu(u"&Download"_s);
    Comm1 = addCommand(IO1, u"Set Comm &Port"_s, &TForm1::Comm1Click);
    Downloadappend1 = addCommand(IO1, u"Download (&Append)"_s, &TForm1::DownloadappendClick);
    Downloadclear1 = addCommand(IO1, u"Download (&Clear)"_s, &TForm1::DownloadclearClick);

    View1 = menuBar()->addMenu(u"&View"_s);
    Seggraph1 = addCommand(View1, u"Graph by &Segments"_s, &TForm1::seggraphClick);
    Timegraph1 = addCommand(View1, u"Graph by &Time"_s, &TForm1::TimegraphClick);
    SessionDescription1 = addCommand(View1, u"Session &Description"_s, &TForm1::SessionDescription1Click);

    Help1 = menuBar()->addMenu(u"&Help"_s);
    Contents1 = addCommand(Help1, u"&Contents"_s, &TForm1::Contents1Click, QKeySequence(Qt::Key_F1));
    Context1 = addCommand(Help1, u"Conte&xt"_s, &TForm1::Context1Click);
    About1 = addCommand(Help1, u"&About"_s, &TForm1::About1Click);

    mSessionCommands = {Save1,         Saveas1,        Print1, CopySegment1,    PasteSegment1,  CutSegment1,
                        InsertSegment1, Name1,         Downloadappend1, Downloadclear1, Seggraph1, Timegraph1};
    for (QMenu *menu : {File1, Edit1, IO1, View1})
        connect(menu, &QMenu::aboutToShow, this, &TForm1::updateSessionCommands);
}

void TForm1::FormCreate(const QStringList &arguments)
{
    mSession.SessionModified = 0;
    setSessionShown(false);
    mSession.cells.setColumnCount(1);
    mGridModel->syncWithSession();

    const QString ini = SettingsFilePath();
    ComPortNumber = ReadPortSetting(ini);
    // A settings file that cannot be written must not stop the program.
    WritePortSetting(ini, ComPortNumber);

    const QStringList labels = RowLabels(PulsedSession);
    for (int row = 0; row < SessionGrid::RowCount; ++row) {
        StringGrid2->setRowHeight(row, RowHeight);
        StringGrid2->setItem(row, 0, new QTableWidgetItem(labels.at(row)));
    }
    StringGrid1->setCurrentIndex(mGridModel->index(1, 0));
    mSession.CurrentCell = {0, 1};

    StartupFileName.clear();
    if (!arguments.isEmpty()) {
        const QFileInfo file(arguments.first());
        // File managers pass the name as stored, often in lower case.
        if (file.absoluteFilePath().endsWith(u".LSS"_s, Qt::CaseInsensitive) && file.isFile())
            StartupFileName = file.absoluteFilePath();
    }
}

bool TForm1::isSessionShown() const
{
    return !StringGrid1->isHidden();
}

void TForm1::updateSessionCommands()
{
    const bool shown = isSessionShown();
    for (QAction *action : std::as_const(mSessionCommands))
        action->setEnabled(shown);
}

void TForm1::runCommand(const std::function<void()> &command)
{
    const auto standardErrorReport = [this](const QString &text) {
        mPrompter->setBusy(false);
        mPrompter->error(text);
    };
    try {
        command();
    } catch (const ConversionError &e) {
        standardErrorReport(e.message());
    } catch (const ComPortError &e) {
        standardErrorReport(e.message());
    }
}

CellRange TForm1::readSelection()
{
    CellRange range;
    const QModelIndex current = StringGrid1->currentIndex();
    if (current.isValid())
        range = {current.column(), current.row(), current.column(), current.row()};
    const QItemSelection selection = StringGrid1->selectionModel()->selection();
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
    mSession.CurrentCell = range.topLeft();
    return range;
}

// SessionView

void TForm1::cellsChanged()
{
    const QScopedValueRollback selectionByCommand(mSelectionByCommand, true);
    mGridModel->syncWithSession();
    const QStringList labels = RowLabels(mSession.DualSession);
    for (int row = 3; row <= 6; ++row)
        StringGrid2->item(row, 0)->setText(labels.at(row));
}

void TForm1::timingChanged()
{
    memo1->setPlainText(mSession.TimingPanel.join(u'\n'));
}

void TForm1::setSessionShown(bool shown)
{
    for (QWidget *control : std::initializer_list<QWidget *>{StringGrid1, StringGrid2, memo1, NewSeg, upbutton, downbutton})
        control->setVisible(shown);
    updateSessionCommands();
}

void TForm1::setCaption(const QString &caption)
{
    setWindowTitle(caption);
}

void TForm1::selectCell(const CellPos &cell)
{
    mSession.CurrentCell = cell;
    const QModelIndex index = mGridModel->index(cell.row, cell.column);
    {
        const QScopedValueRollback selectionByCommand(mSelectionByCommand, true);
        StringGrid1->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    }
    StringGrid1->scrollTo(index);
    focusGrid();
}

void TForm1::focusGrid()
{
    StringGrid1->setFocus();
}

void TForm1::scrollToLastSegment()
{
    const int visible = StringGrid1->viewport()->width() / (DefaultColumnWidth + 1);
    const int segments = mSession.cells.columnCount();
    // The scroll bar stops where the last column meets the right edge, one
    // column short of this leftmost column: the last segment shows either way.
    if (visible < segments)
        StringGrid1->horizontalScrollBar()->setValue(segments - visible + 1);
}

int TForm1::askSessionKind()
{
    return mWindows.Form2->exec() == TForm2::ResultNo ? PulsedSession : DualBinauralSession;
}

// Window events

void TForm1::formshow()
{
    ButtonRowBottom = upbutton->y() + upbutton->height();
    MainCaption = SessionCaption(mSession.SessionName, false);
    LayoutMainWindow();
}

void TForm1::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (event->spontaneous())
        return;
    formshow();
}

void TForm1::moveEvent(QMoveEvent *event)
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

void TForm1::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    if (mLayingOut || !isVisible() || (windowState() & (Qt::WindowMinimized | Qt::WindowMaximized)))
        return;
    // Snap back after the window manager has finished its own resize.
    QTimer::singleShot(0, this, [this] {
        if (windowState() & (Qt::WindowMinimized | Qt::WindowMaximized))
            return;
        formshow();
    });
}

void TForm1::LayoutMainWindow()
{
    const QScreen *screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    const int screenWidth = screen ? screen->geometry().width() : 1024;
    const int clientExtra = menuBar()->sizeHint().height();
    const MainWindowLayout layout = ::LayoutMainWindow(screenWidth, StringGrid2->width(), DefaultColumnWidth,
                                                       ButtonRowBottom, clientExtra);
    mLayingOut = true;
    StringGrid1->resize(layout.gridWidth, StringGrid1->height());
    // Outer borders are the window manager's; the client gets the rest.
    const QSize client(layout.gridWidth + StringGrid2->width(), layout.windowHeight);
    if (size() != client)
        resize(client);
    move(0, 0);
    setWindowTitle(MainCaption);
    mLayingOut = false;
}

bool TForm1::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate)
        runCommand([this] { FormActivate(); });
    return QMainWindow::event(event);
}

bool TForm1::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        auto *widget = qobject_cast<QWidget *>(watched);
        if (widget && widget->window() == this) {
            auto *key = static_cast<QKeyEvent *>(event);
            if (Keydown(key) || Keypress(key))
                return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

bool TForm1::Keydown(QKeyEvent *event)
{
    if (mWindows.Form7 && mWindows.Form7->isVisible()) {
        mWindows.Form7->close();
        return true;
    }
    if (event->key() == Qt::Key_N && isSessionShown()) {
        runCommand([this] { NewSegClick(); });
        return true;
    }
    return false;
}

bool TForm1::Keypress(QKeyEvent *event)
{
    if (!isSessionShown())
        return false;
    if (event->text() == u"+"_s) {
        runCommand([this] { upbuttonClick(); });
        return true;
    }
    if (event->text() == u"-"_s) {
        runCommand([this] { downbuttonClick(); });
        return true;
    }
    return false;
}

void TForm1::onselect(int column, int row)
{
    Q_UNUSED(row);
    // The empty start-up grid and a grid hidden while a file is read have no
    // times to add. A command that moves the selection refreshes the panel
    // itself; refreshing here too would report a bad number twice.
    if (!isSessionShown() || mSelectionByCommand)
        return;
    runCommand([this, column] { UpdateTimingSummary(mSession, *this, column + 1); });
}

void TForm1::closeEvent(QCloseEvent *event)
{
    if (!FormCloseQuery()) {
        event->ignore();
        return;
    }
    mDeviceLink.closePort();
    QMainWindow::closeEvent(event);
    QCoreApplication::quit();
}

// Commands

void TForm1::New1Click()
{
    if (FileCommands::QuerySaveModified(context()))
        NewSession(context());
}

void TForm1::Exit2Click()
{
    close();
}

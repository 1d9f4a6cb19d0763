#include "views/forms/GraphWindow.h"

#include "views/GraphDrawing.h"
#include "views/GraphGeometry.h"
#include "views/forms/FrequencyScaleStrip.h"

#include <QCloseEvent>
#include <QLabel>
#include <QMenuBar>
#include <QScrollArea>

using namespace Qt::Literals::StringLiterals;

GraphWindow::GraphWindow(QWidget &mainWindow, const SessionGrid &cells, QWidget *parent)
    : QMainWindow(parent)
    , mMainWindow(mainWindow)
    , mCells(cells)
    , mQtPrompter(this)
    , mPrompter(&mQtPrompter)
{
    setWindowTitle(u"Veltrano Mirandel"_s);
    QFont windowFont = font();
    windowFont.setPixelSize(13);
    setFont(windowFont);
    setGeometry(298, 105, 433, 474);
    createControls();
    createMenus();
}

void GraphWindow::createControls()
{
    mScaleStrip = new FrequencyScaleStrip(this);
    setCentralWidget(mScaleStrip);

    mScrollBox = new QScrollArea(mScaleStrip);
    mScrollBox->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    mScrollBox->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mScrollBox->setWidgetResizable(false);
    mScrollBox->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // The scroll range can exceed the picture: the picture sits on a page
    // as wide as the range.
    auto *page = new QWidget;
    mImage = new QLabel(page);
    mImage->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    mScrollBox->setWidget(page);
}

void GraphWindow::createMenus()
{
    mGraphMenu = menuBar()->addMenu(u"Graphic Control"_s);
    mActionTimeGraph = mGraphMenu->addAction(u"Time Graph"_s, this, &GraphWindow::showTimeGraph);
    mActionSegmentGraph = mGraphMenu->addAction(u"Segment Graph"_s, this, &GraphWindow::showSegmentGraph);
    mActionSpreadsheet = menuBar()->addAction(u"Spreadsheet"_s, this, &GraphWindow::showSpreadsheet);
}

void GraphWindow::setGraph(GraphKind mode, const QString &sessionName, int totalSeconds)
{
    mMode = mode;
    mSessionName = sessionName;
    mTotalSeconds = totalSeconds;
}

void GraphWindow::showTimeGraph()
{
    mMode = GraphKind::Time;
    drawGraph();
}

void GraphWindow::showSegmentGraph()
{
    mMode = GraphKind::Segment;
    drawGraph();
}

void GraphWindow::showSpreadsheet()
{
    close();
}

void GraphWindow::releaseBitmap()
{
    mBitmap = QImage();
    mImage->clear();
    hide();
    mMainWindow.show();
}

void GraphWindow::drawGraph()
{
    mDrawing = true;
    setWindowState(windowState() | Qt::WindowMaximized);
    // The scroll box keeps to the right edge and inside the client area.
    const QRect frame = frameGeometry();
    const int boxWidth = std::max(0, std::min(frame.width() - 30, mScaleStrip->width()));
    const int boxHeight = std::max(0, std::min(frame.height() - 50, mScaleStrip->height()));
    mScrollBox->setGeometry(mScaleStrip->width() - boxWidth, 0, boxWidth, boxHeight);
    const GraphGeometry geometry(mScrollBox->width(), mScrollBox->height());

    const GraphDrawing drawing =
        ::drawGraph(mCells, mMode, mSessionName, mTotalSeconds, geometry.width, geometry.height);
    if (!drawing.bitmap.isNull()) {
        setWindowTitle(drawing.caption);
        mBitmap = drawing.bitmap;
        // Shown as it is: a 32-bit copy of a 30001-pixel-wide picture would
        // take four times its memory.
        mImage->setPixmap(QPixmap::fromImage(mBitmap, Qt::NoFormatConversion));
        mImage->resize(mBitmap.size());
        mScrollBox->widget()->resize(std::max(drawing.scrollRange, 0), mBitmap.height());
        mScaleStrip->setTicks(geometry.frequencyScale());
    }
    mDrawnFrame = frameGeometry().size();
    mDrawing = false;
    mDrawingFailed = !drawing.error.isEmpty();
    if (mDrawingFailed)
        reportError(drawing.error);
}

void GraphWindow::reportError(const QString &text)
{
    mReportingError = true;
    mPrompter->error(text);
    mReportingError = false;
}

bool GraphWindow::event(QEvent *event)
{
    if (event->type() == QEvent::WindowDeactivate && mReportingError)
        mAwayForErrorBox = true;
    if (event->type() == QEvent::WindowActivate) {
        // Coming back from the error box would only draw the same error again.
        if (mAwayForErrorBox)
            mAwayForErrorBox = false;
        else
            drawGraph();
    }
    return QMainWindow::event(event);
}

void GraphWindow::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    redrawIfFrameChanged();
}

void GraphWindow::moveEvent(QMoveEvent *event)
{
    QMainWindow::moveEvent(event);
    redrawIfFrameChanged();
}

void GraphWindow::redrawIfFrameChanged()
{
    // The window manager maximises, and tells the size of its frame, in its
    // own time: draw again for the size the window really got. A drawing
    // that failed would only fail again.
    if (mDrawing || mDrawingFailed || mRedrawQueued || !isVisible() || !mDrawnFrame.isValid()
        || frameGeometry().size() == mDrawnFrame)
        return;
    mRedrawQueued = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            mRedrawQueued = false;
            if (isVisible() && frameGeometry().size() != mDrawnFrame)
                drawGraph();
        },
        Qt::QueuedConnection);
}

void GraphWindow::closeEvent(QCloseEvent *event)
{
    releaseBitmap();
    event->accept();
}

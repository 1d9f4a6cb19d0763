#include "app/windows/GraphWindow.h"

#include "gui/graph/GraphCanvas.h"
#include "gui/graph/GraphDrawing.h"
#include "gui/graph/GraphGeometry.h"
#include "gui/graph/GraphPicture.h"
#include "gui/graph/TimeGraph.h"
#include "core/session/ConversionError.h"
#include "core/session/SessionDocument.h"
#include "app/windows/FrequencyScaleStrip.h"
#include "app/windows/GraphImage.h"
#include "app/windows/GraphLegend.h"

#include <QCloseEvent>
#include <QFileDialog>
#include <QLabel>
#include <QMenuBar>
#include <QScrollArea>
#include <utility>

using namespace Qt::Literals::StringLiterals;

GraphWindow::GraphWindow(QWidget &mainWindow, const SessionDocument &document, QWidget *parent)
    : QMainWindow(parent)
    , mMainWindow(mainWindow)
    , mCells(document.cells())
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
    for (auto signal : {&SessionDocument::gridChanged, &SessionDocument::replaced})
        connect(&document, signal, this, &GraphWindow::queueRedraw);
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
    mImage = new GraphImage(page);
    mImage->setAccessibleName(tr("Session graph"));
    mPlayCursor = new QWidget(page);
    mPlayCursor->setAttribute(Qt::WA_TransparentForMouseEvents);
    mPlayCursor->setAutoFillBackground(true);
    QPalette cursorPalette = mPlayCursor->palette();
    cursorPalette.setColor(QPalette::Window, Qt::black);
    mPlayCursor->setPalette(cursorPalette);
    mPlayCursor->hide();
    mScrollBox->setWidget(page);
}

void GraphWindow::createMenus()
{
    mGraphMenu = menuBar()->addMenu(tr("&Graphic Control"));
    mActionTimeGraph = mGraphMenu->addAction(tr("&Time Graph"), this, &GraphWindow::showTimeGraph);
    mActionSegmentGraph = mGraphMenu->addAction(tr("&Segment Graph"), this, &GraphWindow::showSegmentGraph);
    mActionSpreadsheet = menuBar()->addAction(tr("Sp&readsheet"), this, &GraphWindow::showSpreadsheet);
    mActionSpreadsheet->setShortcut(Qt::Key_Escape);
    mGraphMenu->addSeparator();
    mActionSavePicture = mGraphMenu->addAction(tr("Save &Picture\u2026"), this, &GraphWindow::askPictureFileName);
    mActionSavePicture->setShortcut(QKeySequence::Save);
    mActionSavePicture->setEnabled(false);
    // In the menu bar, right of the menus: it takes no height from the graph.
    mLegend = new GraphLegend(menuBar());
    mPlayPosition = new QLabel(menuBar());
}

QLabel *GraphWindow::imageLabel() const
{
    return mImage;
}

void GraphWindow::placeLegend()
{
    // What the menus leave of the menu bar, right-aligned.
    int menusRight = 0;
    for (QAction *menu : menuBar()->actions())
        menusRight = std::max(menusRight, menuBar()->actionGeometry(menu).right() + 20);
    const int positionWidth = mPlayPosition->text().isEmpty() ? 0 : mPlayPosition->sizeHint().width() + 16;
    const int right = width() - positionWidth;
    mLegend->fitInto(right - menusRight - 8);
    const int legendWidth = std::min(mLegend->sizeHint().width(), std::max(0, right - menusRight - 8));
    mLegend->setGeometry(right - legendWidth - 8, 0, legendWidth, menuBar()->height());
    mPlayPosition->setGeometry(right + 8, 0, std::max(0, positionWidth - 16), menuBar()->height());
}

void GraphWindow::setPlayPosition(const QString &text)
{
    const int before = mPlayPosition->text().isEmpty() ? 0 : mPlayPosition->sizeHint().width();
    mPlayPosition->setText(text);
    const int after = text.isEmpty() ? 0 : mPlayPosition->sizeHint().width();
    if (after != before)
        placeLegend();
}

void GraphWindow::askPictureFileName()
{
    QString name = mSessionName.isEmpty() ? u"graph"_s : mSessionName;
    name.replace(u'/', u'-').replace(u'\\', u'-');
    name += mMode == GraphKind::Time ? tr(" time graph.png") : tr(" segment graph.png");
    const QString path = QFileDialog::getSaveFileName(this, tr("Save Picture"), name,
                                                      tr("PNG picture (*.png);;SVG drawing (*.svg)"));
    if (!path.isEmpty())
        savePicture(path);
}

bool GraphWindow::savePicture(const QString &path)
{
    // The whole bitmap exists only while it is written.
    const auto failure = GraphPicture::save(path, paintWhole(mLastSketch),
                                            GraphGeometry(mDrawnBox.width(), mDrawnBox.height()), mMode, windowTitle());
    if (failure)
        reportError(*failure);
    return !failure;
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

QImage GraphWindow::bitmap() const
{
    return mImage->canvas() ? mImage->canvas()->paint() : QImage();
}

void GraphWindow::releaseBitmap()
{
    mLastSketch = GraphSketch();
    mActionSavePicture->setEnabled(false);
    mImage->setCanvas(nullptr);
    mImage->clear();
    hide();
    mMainWindow.show();
}

void GraphWindow::drawGraph()
{
    mDrawing = true;
    mRedrawQueued = false;
    setWindowState(windowState() | Qt::WindowMaximized);
    // The scroll box keeps to the right edge and inside the client area.
    const QRect frame = frameGeometry();
    const int boxWidth = std::max(0, std::min(frame.width() - 30, mScaleStrip->width()));
    const int boxHeight = std::max(0, std::min(frame.height() - 50, mScaleStrip->height()));
    mScrollBox->setGeometry(mScaleStrip->width() - boxWidth, 0, boxWidth, boxHeight);
    const GraphGeometry geometry(mScrollBox->width(), mScrollBox->height());
    mScaleWidth = geometry.width;
    mPlayCursor->hide();

    const GraphSketch drawing =
        sketchGraph(mCells, mMode, mSessionName, mTotalSeconds, geometry.width, geometry.height);
    if (drawing.canvas) {
        setWindowTitle(drawing.caption);
        mImage->setCanvas(drawing.canvas);
        mScrollBox->widget()->resize(std::max(drawing.scrollRange, 0), drawing.canvas->height());
        mScaleStrip->setTicks(geometry.frequencyScale());
        mScaleStrip->setAxis(geometry.baseline, mMode);
        mLastSketch = drawing;
        mDrawnBox = mScrollBox->size();
    }
    mActionSavePicture->setEnabled(mLastSketch.canvas != nullptr);
    mDrawnFrame = frameGeometry().size();
    mDrawing = false;
    mDrawingFailed = !drawing.error.isEmpty();
    if (mDrawingFailed)
        reportError(drawing.error);
}

void GraphWindow::setPlayCursor(double seconds)
{
    if (seconds < 0 || mMode != GraphKind::Time || !mImage->canvas() || mDrawingFailed) {
        mPlayCursor->hide();
        return;
    }
    int x = 0;
    try {
        x = timeGraphX(mCells, mTotalSeconds, mScaleWidth, seconds);
    } catch (const ConversionError &) {
        mPlayCursor->hide();
        return;
    }
    mPlayCursor->setGeometry(x, 0, 2, mImage->canvas()->height());
    mPlayCursor->show();
    mPlayCursor->raise();
    mScrollBox->ensureVisible(x, 0, mScrollBox->width() / 5, 0);
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
    placeLegend();
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
    if (mDrawnFrame.isValid() && frameGeometry().size() != mDrawnFrame)
        queueRedraw();
}

// Once for any number of reasons, after the change that asked for it is done.
void GraphWindow::queueRedraw()
{
    if (mDrawing || mDrawingFailed || mRedrawQueued || !isVisible())
        return;
    mRedrawQueued = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            // A drawing since has done it.
            if (std::exchange(mRedrawQueued, false) && isVisible())
                drawGraph();
        },
        Qt::QueuedConnection);
}

void GraphWindow::closeEvent(QCloseEvent *event)
{
    releaseBitmap();
    event->accept();
}

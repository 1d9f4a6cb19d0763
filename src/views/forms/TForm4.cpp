#include "views/forms/TForm4.h"

#include "views/GraphDrawing.h"
#include "views/GraphGeometry.h"
#include "views/forms/FrequencyScaleStrip.h"

#include <QCloseEvent>
#include <QLabel>
#include <QMenuBar>
#include <QScrollArea>

using namespace Qt::Literals::StringLiterals;

TForm4::TForm4(QWidget &mainWindow, const SessionGrid &cells, QWidget *parent)
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

void TForm4::createControls()
{
    ScaleStrip = new FrequencyScaleStrip(this);
    setCentralWidget(ScaleStrip);

    ScrollBox1 = new QScrollArea(ScaleStrip);
    ScrollBox1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ScrollBox1->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    ScrollBox1->setWidgetResizable(false);
    ScrollBox1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // The scroll range can exceed the picture: the picture sits on a page
    // as wide as the range.
    auto *page = new QWidget;
    Image = new QLabel(page);
    Image->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    ScrollBox1->setWidget(page);
}

void TForm4::createMenus()
{
    GraphicControl1 = menuBar()->addMenu(u"Graphic Control"_s);
    TimeGraph1 = GraphicControl1->addAction(u"Time Graph"_s, this, &TForm4::TimeGraph1Click);
    SegmentGraph1 = GraphicControl1->addAction(u"Segment Graph"_s, this, &TForm4::SegmentGraph1Click);
    Spreadsheet1 = menuBar()->addAction(u"Spreadsheet"_s, this, &TForm4::spreadsheetclick);
}

void TForm4::formactive()
{
    drawGraph();
}

void TForm4::TimeGraph1Click()
{
    GraphMode = GraphKind::Time;
    drawGraph();
}

void TForm4::SegmentGraph1Click()
{
    GraphMode = GraphKind::Segment;
    drawGraph();
}

void TForm4::spreadsheetclick()
{
    close();
}

void TForm4::formclose()
{
    GraphBitmap = QImage();
    Image->clear();
    hide();
    mMainWindow.show();
}

void TForm4::drawGraph()
{
    mDrawing = true;
    setWindowState(windowState() | Qt::WindowMaximized);
    // The scroll box keeps to the right edge and inside the client area.
    const QRect frame = frameGeometry();
    const int boxWidth = std::max(0, std::min(frame.width() - 30, ScaleStrip->width()));
    const int boxHeight = std::max(0, std::min(frame.height() - 50, ScaleStrip->height()));
    ScrollBox1->setGeometry(ScaleStrip->width() - boxWidth, 0, boxWidth, boxHeight);
    const GraphGeometry geometry(ScrollBox1->width(), ScrollBox1->height());

    const GraphDrawing drawing =
        DrawGraph(mCells, GraphMode, GraphSessionName, GraphTotalSeconds, geometry.W, geometry.H);
    if (!drawing.bitmap.isNull()) {
        setWindowTitle(drawing.caption);
        GraphBitmap = drawing.bitmap;
        // Shown as it is: a 32-bit copy of a 30001-pixel-wide picture would
        // take four times its memory.
        Image->setPixmap(QPixmap::fromImage(GraphBitmap, Qt::NoFormatConversion));
        Image->resize(GraphBitmap.size());
        ScrollBox1->widget()->resize(std::max(drawing.scrollRange, 0), GraphBitmap.height());
        ScaleStrip->setTicks(geometry.frequencyScale());
    }
    mDrawnFrame = frameGeometry().size();
    mDrawing = false;
    mDrawingFailed = !drawing.error.isEmpty();
    if (mDrawingFailed)
        reportError(drawing.error);
}

void TForm4::reportError(const QString &text)
{
    mReportingError = true;
    mPrompter->error(text);
    mReportingError = false;
}

bool TForm4::event(QEvent *event)
{
    if (event->type() == QEvent::WindowDeactivate && mReportingError)
        mAwayForErrorBox = true;
    if (event->type() == QEvent::WindowActivate) {
        // Coming back from the error box would only draw the same error again.
        if (mAwayForErrorBox)
            mAwayForErrorBox = false;
        else
            formactive();
    }
    return QMainWindow::event(event);
}

void TForm4::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    redrawIfFrameChanged();
}

void TForm4::moveEvent(QMoveEvent *event)
{
    QMainWindow::moveEvent(event);
    redrawIfFrameChanged();
}

void TForm4::redrawIfFrameChanged()
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

void TForm4::closeEvent(QCloseEvent *event)
{
    formclose();
    event->accept();
}

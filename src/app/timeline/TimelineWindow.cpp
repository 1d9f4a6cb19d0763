#include "app/timeline/TimelineWindow.h"

#include "app/WindowPlacement.h"
#include "app/timeline/TimelineView.h"
#include "core/settings/UserPreferences.h"

#include <QAction>
#include <QBoxLayout>
#include <QCloseEvent>
#include <QComboBox>
#include <QScrollBar>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QStyle>

using namespace Qt::Literals::StringLiterals;

namespace {
const QString ShownKey = u"Timeline/Shown"_s;
const QString SizeKey = u"Timeline/Size"_s;
const QString BeatScaleKey = u"Timeline/BeatScale"_s;
constexpr QSize DefaultSize(900, 360);

QSettings preferences()
{
    return QSettings(UserPreferences::defaultPath(), QSettings::IniFormat);
}
} // namespace

TimelineWindow::TimelineWindow(SessionEditor &editor, PreviewController &preview, QWidget &mainWindow)
    : QWidget(&mainWindow, Qt::Window), mMain(mainWindow)
{
    setWindowTitle(tr("Timeline"));
    setAccessibleName(tr("Timeline window"));
    mView = new TimelineView(editor, preview, this);
    mReadout = new QLabel(this);
    mReadout->setTextFormat(Qt::PlainText);
    mReadout->setAccessibleName(tr("Value under the pointer"));
    auto *fit = new QPushButton(tr("&Fit"), this);
    fit->setToolTip(tr("Show the whole session"));
    auto *zoomIn = new QPushButton(tr("Zoom &In"), this);
    zoomIn->setToolTip(tr("Ctrl+Plus, or Ctrl and the mouse wheel"));
    auto *zoomOut = new QPushButton(tr("Zoom &Out"), this);
    zoomOut->setToolTip(tr("Ctrl+Minus, or Ctrl and the mouse wheel"));
    for (QPushButton *button : {fit, zoomIn, zoomOut})
        button->setFocusPolicy(Qt::TabFocus);
    connect(fit, &QPushButton::clicked, mView, &TimelineView::fit);
    connect(zoomIn, &QPushButton::clicked, mView, [this] { mView->zoom(1.5); });
    connect(zoomOut, &QPushButton::clicked, mView, [this] { mView->zoom(1 / 1.5); });
    connect(mView, &TimelineView::readoutChanged, mReadout, &QLabel::setText);

    auto *scale = new QComboBox(this);
    scale->addItem(tr("List steps"), int(BeatScale::ListSteps));
    scale->addItem(tr("Log"), int(BeatScale::Log));
    scale->addItem(tr("Linear"), int(BeatScale::Linear));
    scale->setToolTip(tr("How the beat lane spaces frequencies: each list entry the same height, by ratio, or evenly"));
    scale->setFocusPolicy(Qt::TabFocus);
    auto *scaleLabel = new QLabel(tr("&Beat scale:"), this);
    scaleLabel->setBuddy(scale);
    scale->setAccessibleName(tr("Beat scale"));
    scale->setCurrentIndex(std::max(0, scale->findData(preferences().value(BeatScaleKey, 0).toInt())));
    mView->setBeatScale(BeatScale(scale->currentData().toInt()));
    connect(scale, &QComboBox::currentIndexChanged, this, [this, scale] {
        mView->setBeatScale(BeatScale(scale->currentData().toInt()));
        preferences().setValue(BeatScaleKey, scale->currentData().toInt());
    });

    mScrollBar = new QScrollBar(Qt::Horizontal, this);
    mScrollBar->setAccessibleName(tr("Time shown"));
    connect(mScrollBar, &QScrollBar::valueChanged, mView, &TimelineView::scrollTo);
    connect(mView, &TimelineView::viewChanged, this, &TimelineWindow::showScrollPosition);

    auto *controls = new QHBoxLayout;
    controls->addWidget(fit);
    controls->addWidget(zoomIn);
    controls->addWidget(zoomOut);
    controls->addWidget(mReadout, 1);
    controls->addWidget(scaleLabel);
    controls->addWidget(scale);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addLayout(controls);
    layout->addWidget(mView, 1);
    layout->addWidget(mScrollBar);
    resize(preferences().value(SizeKey, DefaultSize).toSize());

    // "Graph by &Time" holds the T of this menu.
    mActionTimeline = new QAction(tr("Time&line"), this);
    mActionTimeline->setCheckable(true);
    connect(mActionTimeline, &QAction::triggered, this, &TimelineWindow::setShown);
}

TimelineWindow::~TimelineWindow() = default;

// The bar shows only while zoomed in.
void TimelineWindow::showScrollPosition()
{
    const QSignalBlocker quiet(mScrollBar);
    mScrollBar->setRange(0, mView->scrollRange());
    mScrollBar->setPageStep(mView->geometry().timeWidth());
    mScrollBar->setSingleStep(std::max(1, mView->geometry().timeWidth() / 10));
    mScrollBar->setValue(mView->scrollPixels());
    mScrollBar->setVisible(mView->scrollRange() > 0);
}

void TimelineWindow::restore()
{
    if (!preferences().value(ShownKey, false).toBool())
        return;
    // Beside the main window, leaving the start's windows where they are.
    place();
    setAttribute(Qt::WA_ShowWithoutActivating);
    show();
    setAttribute(Qt::WA_ShowWithoutActivating, false);
    mActionTimeline->setChecked(true);
}

void TimelineWindow::setShown(bool shown)
{
    mActionTimeline->setChecked(shown);
    if (shown) {
        if (!mPlaced)
            place();
        show();
        raise();
        activateWindow();
        mView->setFocus();
    } else {
        hide();
    }
    remember();
}

// Below or beside the main window, on the same screen, covering none of it
// where there is room.
void TimelineWindow::place()
{
    mPlaced = true;
    const QScreen *screen = mMain.screen();
    if (!screen)
        return;
    const QRect available = screen->availableGeometry();
    QRect main = mMain.frameGeometry();
    // Before the window manager has framed the main window its title bar is
    // not counted yet.
    if (main == mMain.geometry())
        main.setBottom(main.bottom() + style()->pixelMetric(QStyle::PM_TitleBarHeight) + 8);
    QSize size = this->size().boundedTo(available.size());
    const int below = available.bottom() - main.bottom() - 30;
    if (below >= 200)
        size = QSize(std::min(main.width(), available.width()), std::min(size.height(), below));
    resize(size);
    move(placeBeside(main, size + QSize(0, 30), main, available));
}

void TimelineWindow::remember() const
{
    QSettings settings = preferences();
    settings.setValue(ShownKey, isVisible());
    settings.setValue(SizeKey, size());
}

void TimelineWindow::closeEvent(QCloseEvent *event)
{
    QWidget::closeEvent(event);
    mActionTimeline->setChecked(false);
    remember();
}

void TimelineWindow::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (isVisible())
        remember();
}

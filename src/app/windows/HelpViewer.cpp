#include "app/windows/HelpViewer.h"

#include "core/help/HelpTopics.h"
#include "app/windows/HelpBrowser.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;

HelpViewer::HelpViewer(const QString &helpFolder, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , mHelpFolder(helpFolder)
    , mPageFolder(HelpTopics::languageFolder(helpFolder))
{
    setWindowTitle(tr("Mirandel Help"));
    resize(640, 560);

    mContentsButton = new QPushButton(tr("&Contents"), this);
    mBackButton = new QPushButton(tr("&Back"), this);
    mForwardButton = new QPushButton(tr("&Forward"), this);
    mBrowser = new HelpBrowser(helpFolder, this);
    mBrowser->setSearchPaths({mPageFolder});
    mBrowser->setOpenExternalLinks(true);

    mSearchBox = new QLineEdit(this);
    mSearchBox->setPlaceholderText(tr("Words to find in every page"));
    mSearchBox->setClearButtonEnabled(true);
    auto *searchLabel = new QLabel(tr("&Search:"), this);
    searchLabel->setBuddy(mSearchBox);
    mResults = new QListWidget(this);
    mResults->setWordWrap(true);
    mResults->hide();

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(mContentsButton);
    buttons->addWidget(mBackButton);
    buttons->addWidget(mForwardButton);
    buttons->addStretch();
    buttons->addWidget(searchLabel);
    buttons->addWidget(mSearchBox, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(mResults, 1);
    layout->addWidget(mBrowser, 3);

    mBackButton->setEnabled(false);
    mForwardButton->setEnabled(false);
    connect(mContentsButton, &QPushButton::clicked, this, [this] { showTopic(HelpTopics::Contents); });
    connect(mBackButton, &QPushButton::clicked, mBrowser, &QTextBrowser::backward);
    connect(mForwardButton, &QPushButton::clicked, mBrowser, &QTextBrowser::forward);
    connect(mBrowser, &QTextBrowser::backwardAvailable, mBackButton, &QPushButton::setEnabled);
    connect(mBrowser, &QTextBrowser::forwardAvailable, mForwardButton, &QPushButton::setEnabled);
    connect(mBrowser, &QTextBrowser::sourceChanged, this, &HelpViewer::updateTitle);
    connect(mSearchBox, &QLineEdit::textChanged, this, &HelpViewer::search);
    connect(mResults, &QListWidget::itemActivated, this, [this](QListWidgetItem *item) {
        const QString topic = item->data(Qt::UserRole).toString();
        if (!topic.isEmpty())
            showTopic(topic);
    });
    connect(mResults, &QListWidget::itemClicked, mResults, &QListWidget::itemActivated);
    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);
}

void HelpViewer::search(const QString &query)
{
    mResults->clear();
    mResults->setVisible(!query.trimmed().isEmpty());
    if (query.trimmed().isEmpty())
        return;
    if (!mSearch)
        mSearch.emplace(mHelpFolder, mPageFolder);
    const QList<HelpSearch::Hit> hits = mSearch->find(query);
    for (const HelpSearch::Hit &hit : hits) {
        auto *item = new QListWidgetItem(hit.title + u"\n    "_s + hit.excerpt, mResults);
        item->setData(Qt::UserRole, hit.topic);
    }
    if (hits.isEmpty())
        new QListWidgetItem(tr("No help page holds \"%1\".").arg(query.simplified()), mResults);
}

void HelpViewer::fitOnScreen()
{
    const QWidget *anchor = parentWidget() ? parentWidget() : this;
    const QScreen *screen = anchor->screen() ? anchor->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect available = screen->availableGeometry();
    // Room for the window manager's frame, which is not known before the
    // window shows.
    const QSize frame(16, 40);
    const QSize size = QSize(640, 560).boundedTo(available.size() - frame);
    resize(size);
    QRect wanted(QPoint(0, 0), size + frame);
    wanted.moveCenter(available.center());
    move(wanted.topLeft());
}

void HelpViewer::showTopic(const QString &topic)
{
    mBrowser->setSource(QUrl::fromLocalFile(HelpTopics::topicFile(mPageFolder, topic)));
    if (!isVisible())
        fitOnScreen();
    show();
    raise();
    activateWindow();
}

QString HelpViewer::currentTopic() const
{
    return QFileInfo(mBrowser->source().fileName()).completeBaseName();
}

void HelpViewer::updateTitle()
{
    const QString title = mBrowser->documentTitle();
    setWindowTitle(title.isEmpty() ? tr("Mirandel Help") : tr("Mirandel Help - %1").arg(title));
}

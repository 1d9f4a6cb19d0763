#include "views/forms/HelpViewer.h"

#include "views/HelpTopics.h"
#include "views/forms/HelpBrowser.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;

HelpViewer::HelpViewer(const QString &helpFolder, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , mHelpFolder(helpFolder)
{
    setWindowTitle(u"Mirandel Help"_s);
    resize(640, 560);

    mContentsButton = new QPushButton(u"&Contents"_s, this);
    mBackButton = new QPushButton(u"&Back"_s, this);
    mForwardButton = new QPushButton(u"&Forward"_s, this);
    mBrowser = new HelpBrowser(this);
    mBrowser->setSearchPaths({helpFolder});
    mBrowser->setOpenExternalLinks(true);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(mContentsButton);
    buttons->addWidget(mBackButton);
    buttons->addWidget(mForwardButton);
    buttons->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(mBrowser);

    mBackButton->setEnabled(false);
    mForwardButton->setEnabled(false);
    connect(mContentsButton, &QPushButton::clicked, this, [this] { showTopic(HelpTopics::Contents); });
    connect(mBackButton, &QPushButton::clicked, mBrowser, &QTextBrowser::backward);
    connect(mForwardButton, &QPushButton::clicked, mBrowser, &QTextBrowser::forward);
    connect(mBrowser, &QTextBrowser::backwardAvailable, mBackButton, &QPushButton::setEnabled);
    connect(mBrowser, &QTextBrowser::forwardAvailable, mForwardButton, &QPushButton::setEnabled);
    connect(mBrowser, &QTextBrowser::sourceChanged, this, &HelpViewer::updateTitle);
}

void HelpViewer::showTopic(const QString &topic)
{
    mBrowser->setSource(QUrl::fromLocalFile(HelpTopics::topicFile(mHelpFolder, topic)));
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
    setWindowTitle(title.isEmpty() ? u"Mirandel Help"_s : u"Mirandel Help - "_s + title);
}

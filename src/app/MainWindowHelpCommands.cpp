// Printing and help.
#include "app/MainWindow.h"

#include "core/help/HelpTopics.h"
#include "app/windows/HelpViewer.h"
#include "app/printing/SessionListingPrinter.h"

using namespace Qt::Literals::StringLiterals;

void MainWindow::printListing()
{
    if (listingPrinter().printListing(session(), timing().lines().value(1), prompter()))
        showConfirmation(tr("Printed %1, %2").arg(session().name, segmentCountText(session().cells.columnCount())));
}

ListingPrinter &MainWindow::listingPrinter()
{
    // The print system's libraries and its list of printers: not at start.
    if (!mListingPrinter)
        mListingPrinter = new SessionListingPrinter(this);
    return *mListingPrinter;
}

void MainWindow::showHelpTopic(const QString &topic)
{
    if (!mHelpViewer)
        mHelpViewer = new HelpViewer(HelpTopics::helpFolder(), this);
    mHelpViewer->showTopic(topic);
}

void MainWindow::showHelpContents()
{
    showHelpTopic(HelpTopics::Contents);
}

void MainWindow::showSafety()
{
    showHelpTopic(HelpTopics::Safety);
}

void MainWindow::showContextHelp()
{
    const QString topic = HelpTopics::contextTopic(readSelection().top);
    if (!topic.isEmpty())
        showHelpTopic(topic);
}

void MainWindow::showAbout()
{
    showHelpTopic(HelpTopics::About);
}

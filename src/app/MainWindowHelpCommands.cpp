// Printing and help.
#include "app/MainWindow.h"

#include "session/CommandError.h"
#include "session/ProgramModules.h"
#include "views/HelpTopics.h"
#include "views/PrintModule.h"
#include "views/forms/HelpViewer.h"

using namespace Qt::Literals::StringLiterals;

void MainWindow::printListing()
{
    listingPrinter().printListing(mSession, mTiming.lines().value(1), *mPrompter);
}

ListingPrinter &MainWindow::listingPrinter()
{
    // The print system's libraries and its list of printers: not at start.
    if (!mListingPrinter) {
        QString error;
        PrintModule *module = programModule<PrintModule>(PrintModule::Name, &error);
        if (!module)
            throw CommandError(u"Printing is not available: the print module cannot be loaded (%1)."_s.arg(error));
        mListingPrinter = module->createListingPrinter(this);
    }
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

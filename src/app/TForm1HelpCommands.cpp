// Printing and help.
#include "app/TForm1.h"

#include "views/HelpTopics.h"
#include "views/forms/HelpViewer.h"
#include "views/forms/SessionListingPrinter.h"

void TForm1::PrintClick()
{
    listingPrinter().PrintSessionListing(mSession, *mPrompter);
}

SessionListingPrinter &TForm1::listingPrinter()
{
    // Asking the print system for its printers can take a moment: not at start.
    if (!mListingPrinter)
        mListingPrinter = new SessionListingPrinter(this);
    return *mListingPrinter;
}

void TForm1::showHelpTopic(const QString &topic)
{
    if (!mHelpViewer)
        mHelpViewer = new HelpViewer(HelpTopics::helpFolder(), this);
    mHelpViewer->showTopic(topic);
}

void TForm1::Contents1Click()
{
    showHelpTopic(HelpTopics::Contents);
}

void TForm1::Context1Click()
{
    const QString topic = HelpTopics::contextTopic(readSelection().top);
    if (!topic.isEmpty())
        showHelpTopic(topic);
}

void TForm1::About1Click()
{
    showHelpTopic(HelpTopics::About);
}

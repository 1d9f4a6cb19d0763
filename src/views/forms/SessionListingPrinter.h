#pragma once

#include <QObject>
#include <QPrinter>

class Prompter;
class QWidget;
struct Session;

// File > Print: the print dialog, then the session listing as text on the
// chosen printer. The printer is kept, so the user's choice holds for the
// next printout.
class SessionListingPrinter : public QObject
{
public:
    explicit SessionListingPrinter(QWidget *window);

    QPrinter &printer() { return mPrinter; }

    // Cancelling the dialog prints nothing.
    void printListing(const Session &session, Prompter &prompter);

    // Prints the lines on a landscape page in "courier" 12 pt under the
    // hourglass. A failed write is reported, ends the job and stops the
    // printout; false then.
    static bool printLines(QPrinter &printer, const QStringList &lines, Prompter &prompter);

private:
    QWidget *mWindow;
    QPrinter mPrinter{QPrinter::HighResolution};
};

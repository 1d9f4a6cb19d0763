#pragma once

#include "app/printing/ListingPrinter.h"

#include <QCoreApplication>
#include <QObject>
#include <QPrinter>

// File > Print: the print dialog, then the session listing as text on the
// chosen printer.
class SessionListingPrinter : public QObject, public ListingPrinter
{
    Q_DECLARE_TR_FUNCTIONS(SessionListingPrinter)
public:
    explicit SessionListingPrinter(QWidget *window);

    QPrinter &printer() override { return mPrinter; }
    bool printListing(const Session &session, const QString &totalLine, Prompter &prompter) override;

    // Prints the lines on a landscape page in "courier" 12 pt under the
    // hourglass. A failed write is reported, ends the job and stops the
    // printout; false then.
    static bool printLines(QPrinter &printer, const QStringList &lines, Prompter &prompter);

private:
    QWidget *mWindow;
    QPrinter mPrinter{QPrinter::HighResolution};
};

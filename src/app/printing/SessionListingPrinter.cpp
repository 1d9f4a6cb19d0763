#include "app/printing/SessionListingPrinter.h"

#include "core/session/Prompter.h"
#include "core/listing/SessionListing.h"
#include "app/printing/PrinterTextOutput.h"

#include <QPrintDialog>
#include <QWidget>

using namespace Qt::Literals::StringLiterals;

SessionListingPrinter::SessionListingPrinter(QWidget *window)
    : QObject(window)
    , mWindow(window)
{
}

bool SessionListingPrinter::printListing(const Session &session, const QString &totalLine, Prompter &prompter)
{
    QPrintDialog PrintDialog1(&mPrinter, mWindow);
    if (PrintDialog1.exec() != QDialog::Accepted)
        return false;
    return printLines(mPrinter, SessionListing::lines(session, totalLine, SessionListing::shortDate()), prompter);
}

bool SessionListingPrinter::printLines(QPrinter &printer, const QStringList &lines, Prompter &prompter)
{
    prompter.setBusy(true);
    printer.setPageOrientation(QPageLayout::Landscape);
    QFont courier(u"courier"_s, 12);
    // Where no Courier is installed, any fixed-pitch face keeps the columns.
    courier.setStyleHint(QFont::TypeWriter);
    courier.setFixedPitch(true);
    PrinterTextOutput output(printer, courier);
    bool written = output.open();
    for (qsizetype i = 0; written && i < lines.size(); ++i)
        written = output.writeLine(lines.at(i));
    if (written)
        written = output.close();
    else
        output.abort();
    prompter.setBusy(false);
    if (!written)
        prompter.error(tr("I/O error while printing to \"%1\". The printout was stopped.").arg(output.destination()));
    return written;
}

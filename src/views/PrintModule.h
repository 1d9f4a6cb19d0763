#pragma once

#include <QObject>

class Prompter;
class QPrinter;
class QWidget;
struct Session;

// File > Print's printer, which keeps the user's choice for the next
// printout.
class ListingPrinter
{
public:
    virtual ~ListingPrinter() = default;

    virtual QPrinter &printer() = 0;
    // The print dialog, then the session listing with the timing panel's
    // total line; cancelling prints nothing.
    virtual void printListing(const Session &session, const QString &totalLine, Prompter &prompter) = 0;
};

// The print module: printing with the print system's libraries, loaded when
// first used.
class PrintModule
{
public:
    static constexpr QLatin1StringView Name{"print"};

    virtual ~PrintModule() = default;

    // A printer for the listings of window, owned by the window.
    virtual ListingPrinter *createListingPrinter(QWidget *window) = 0;
};

#define PrintModule_iid "org.mirandel.PrintModule/1"
Q_DECLARE_INTERFACE(PrintModule, PrintModule_iid)

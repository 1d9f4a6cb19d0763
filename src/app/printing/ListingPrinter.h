#pragma once

#include <QString>

class Prompter;
class QPrinter;
struct Session;

// File > Print's printer, which keeps the user's choice for the next
// printout.
class ListingPrinter
{
public:
    virtual ~ListingPrinter() = default;

    virtual QPrinter &printer() = 0;
    // The print dialog, then the session listing with the timing panel's
    // total line; cancelling prints nothing. True when it was printed.
    virtual bool printListing(const Session &session, const QString &totalLine, Prompter &prompter) = 0;
};

#include "modules/PrintPlugin.h"

#include "views/forms/SessionListingPrinter.h"

ListingPrinter *PrintPlugin::createListingPrinter(QWidget *window)
{
    return new SessionListingPrinter(window);
}

#pragma once

#include "views/PrintModule.h"

#include <QObject>

// The print module's entry: Qt Print Support and the print system behind it.
class PrintPlugin : public QObject, public PrintModule
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID PrintModule_iid)
    Q_INTERFACES(PrintModule)
public:
    ListingPrinter *createListingPrinter(QWidget *window) override;
};

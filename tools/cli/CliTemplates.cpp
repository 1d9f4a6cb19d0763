#include "CliTemplates.h"

#include "core/settings/ProgramName.h"

#include <QCoreApplication>

using namespace Qt::Literals::StringLiterals;

TemplateLibrary cliTemplateLibrary()
{
    // The data folder is named after the application.
    QCoreApplication::setApplicationName(ProgramName);
    return TemplateLibrary();
}

QString kindWord(SessionKind kind)
{
    return kind == DualBinauralSession ? u"dual"_s : u"pulsed"_s;
}

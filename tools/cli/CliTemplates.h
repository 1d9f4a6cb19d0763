#pragma once

#include "core/templates/TemplateLibrary.h"

// The templates the window program offers: the shipped ones and those the
// user kept in the window program's data folder.
TemplateLibrary cliTemplateLibrary();

// "pulsed" or "dual", as --kind takes them.
QString kindWord(SessionKind kind);

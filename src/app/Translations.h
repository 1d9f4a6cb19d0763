#pragma once

#include "core/settings/ProgramFiles.h"

#include <QLocale>
#include <QString>

// The folder of the program's translations: beside the program, else in the
// installed data folder.
QString translationsFolder(const QString &programFolder = exeDirectory());

// The locale of a language choice of Edit > Preferences: empty for the
// system's, else a language code such as "de".
QLocale chosenLocale(const QString &language);

// Makes locale the default one and installs Qt's translation and the
// program's for it, where they exist. Once, before the first window.
void installTranslations(const QLocale &locale, const QString &folder = translationsFolder());

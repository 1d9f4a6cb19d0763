#pragma once

#include "core/settings/ProgramFiles.h"

#include <QLocale>
#include <QStringList>

// The help file's topics as the Help menu asks for them. The help file is a
// folder of HTML pages beside the program, one page per topic identifier.
namespace HelpTopics {

inline const QString Contents = QStringLiteral("contents");
inline const QString About = QStringLiteral("About_Mirandel");
inline const QString Safety = QStringLiteral("Safety");

// The topic explaining a spreadsheet row (1 to 14); empty for any other row.
QString contextTopic(int row);
// Every identifier the program asks the help viewer for.
QStringList programTopics();

// The application's help file: the "help" folder beside the program, or
// the installed one when there is none beside it.
QString helpFolder(const QString &programFolder = exeDirectory());
// The folder of a help folder's pages in the locale's language (a subfolder
// named by the language code, "de" or "fr"), or the help folder itself, whose
// pages are in English, when there is no such translation.
QString languageFolder(const QString &helpFolder, const QLocale &locale = QLocale());
// The page of a topic inside a help folder.
QString topicFile(const QString &folder, const QString &topic);

} // namespace HelpTopics

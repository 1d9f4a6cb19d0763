#pragma once

#include <QString>

// text before the last ch, searched from the next-to-last character back:
// at most one character gives the text itself; ch at the first position gives
// the whole text; no ch gives the empty text.
QString textBeforeLast(const QString &text, QChar ch);

// The running program's directory with a trailing separator.
QString exeDirectory();

// The data folder of an installed program (share/mirandel beside its bin
// folder); empty when the program in programFolder runs from elsewhere, such
// as its build folder.
QString installedDataFolder(const QString &programFolder = exeDirectory());

// A folder of the program's data (help pages, templates): the one named
// name beside the program, or the installed one when there is none beside it.
QString programDataFolder(const QString &name, const QString &programFolder = exeDirectory());

#pragma once

#include <QString>
#include <QStringList>

// text before the last ch, searched from the next-to-last character back:
// at most one character gives the text itself; ch at the first position gives
// the whole text; no ch gives the empty text.
QString textBeforeLast(const QString &text, QChar ch);

// The running program's directory with a trailing separator. For a program
// that another one hands its work over to, the folder of that other program
// (see setStartedProgram).
QString exeDirectory();
// Makes exeDirectory() the folder of the program the user started.
void setStartedProgram(const QString &programPath);

// fileName beside the program in programFolder, else in the first of
// installedFolders (relative to programFolder, or absolute) that holds it:
// where an install puts the program's other parts. The place beside the
// program when none holds it.
QString programPartPath(const QString &fileName, const QString &programFolder, const QStringList &installedFolders);

// The data folder of an installed program (share/mirandel beside its bin
// folder); empty when the program in programFolder runs from elsewhere, such
// as its build folder.
QString installedDataFolder(const QString &programFolder = exeDirectory());

#pragma once

#include <QObject>
#include <QString>

// The parts of the program with heavy libraries (sound, printing) are
// modules, loaded when they are first used so that the program starts
// quickly. A module is looked for beside the program, then in the installed
// program's library folder; once loaded it stays until the program ends.
// Null, with the reason in error, when it cannot be loaded.
QObject *loadProgramModule(const QString &name, QString *error = nullptr);

// The module's implementation of Interface (declared with
// Q_DECLARE_INTERFACE).
template <class Interface>
Interface *programModule(const QString &name, QString *error = nullptr)
{
    return qobject_cast<Interface *>(loadProgramModule(name, error));
}

// Where the module's file is for the program in programFolder: beside it,
// else in the installed library folder (lib/mirandel beside its bin folder).
// The place beside it when there is none.
QString programModulePath(const QString &name, const QString &programFolder);

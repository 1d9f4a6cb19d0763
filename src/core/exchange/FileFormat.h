#pragma once

#include "core/exchange/SessionExchange.h"

#include <QStringList>
#include <functional>

// A kind of file a session is read from or written to: its name, its
// extensions, how it is read and written, and how it tells what it cannot
// carry. The dialogs, drag and drop, Recent Files and the command line know
// a format by this alone.
struct FileFormat
{
    // How the report of what a file cannot carry is laid out.
    // ByChange: one line per kind of change, the most important first.
    enum class Losses { None, BySourceLine, ByRow, ByChange };
    using Importer = std::function<SessionImport(const QString &path, const ScheduleReadOptions &options)>;
    using Exporter = std::function<SessionExport(const Session &session)>;

    QString name;           // "SBaGen schedules", translated
    QStringList extensions; // without the dot; the first is added to a name typed without one
    Importer importer;      // empty: not imported this way
    Exporter exportTo;      // empty: not exported this way
    Losses importLosses = Losses::None;
    Losses exportLosses = Losses::None;
    // A dropped file of the format is taken; not where the extension is too
    // common to be the format's alone (".txt").
    bool takenOnDrop = true;

    // The session the file at path holds, read with the options.
    SessionImport import(const QString &path, const ScheduleReadOptions &options = {}) const;
    // The path ends in one of the extensions, in any letter case.
    bool matches(const QString &path) const;
    // "Cells as text|*.tsv;*.txt", as the program's file dialogs are told.
    QString dialogFilter() const;
    // "*.tsv *.txt"
    QString patterns() const;
    // "Cells as text (*.tsv *.txt)", as Qt's file dialog takes it.
    QString nameFilter() const;
};

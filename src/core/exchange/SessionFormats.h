#pragma once

#include "core/exchange/FileFormat.h"

#include <optional>

// Every format a session is kept or exchanged in, each declared once. A new
// format is one more entry here.
namespace SessionFormats {

// The session's own file, ".LSS", which File > Open and Save read and write.
FileFormat sessionFile();
// What File > Import and "mirandel-cli import" read, in the order offered.
QList<FileFormat> importable();
// What File > Export Session As and "mirandel-cli export" write.
QList<FileFormat> exportable();
// The format among formats that a path's extension names.
std::optional<FileFormat> formatOf(const QString &path, const QList<FileFormat> &formats);
// The session file or an importable format: what a Recent Files entry may be.
std::optional<FileFormat> openableFormatOf(const QString &path);
// The same for a file dropped on the window, among the formats taken on drop.
std::optional<FileFormat> droppedFormatOf(const QString &path);

// The file dialogs' filters of File > Import (all importable formats first,
// then each) and of Export Session As (each).
QString importFilter();
QString exportFilter();

// One filter for all the formats under allName, then one for each:
// "Schedules and cells|*.sbg;*.gnaural|SBaGen schedules|*.sbg|…". A single
// format has its own filter alone.
QString dialogFilter(const QList<FileFormat> &formats, const QString &allName = {});
// ".sbg, .gnaural, .tsv or .txt", for messages.
QString extensionList(const QList<FileFormat> &formats);

} // namespace SessionFormats

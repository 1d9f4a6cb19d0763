#pragma once

#include "core/exchange/ExchangeNote.h"
#include "core/exchange/ScheduleRead.h"
#include "core/exchange/SessionImport.h"

#include <QByteArray>

struct Session;

// The files a session is imported from or exported to, by extension.
enum class ExchangeFormat { Unknown, Sbg, Gnaural, CellsText };

// ".sbg", ".gnaural", ".tsv" and ".txt", in any letter case.
ExchangeFormat exchangeFormatOf(const QString &path);

// Import: a new unnamed session that a save writes and reads back whole
// (finishImport()), or the error that names the line. The options apply to
// schedules (.sbg, .gnaural).
SessionImport importSession(QByteArrayView bytes, ExchangeFormat format, const ScheduleReadOptions &options = {});
// The same from a file: an error too when it cannot be read, or is larger
// than any schedule (16 MiB).
SessionImport importSessionFile(const QString &path, const ScheduleReadOptions &options = {});

// Export to .sbg or .gnaural: the file's bytes, and what they lose.
struct SessionExport
{
    QByteArray bytes;
    QList<ExchangeNote> losses;
};
SessionExport exportSession(const Session &session, ExchangeFormat format);

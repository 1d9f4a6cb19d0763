#include "core/exchange/SessionExchange.h"

#include "core/exchange/CellsTextReader.h"
#include "core/exchange/GnauralReader.h"
#include "core/exchange/GnauralWriter.h"
#include "core/exchange/ImportFinish.h"
#include "core/exchange/SbgMix.h"
#include "core/exchange/SbgReader.h"
#include "core/exchange/SbgWriter.h"
#include "core/exchange/ScheduleOfSession.h"
#include "core/exchange/SessionOfSchedule.h"
#include "core/files/FileKind.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

using namespace Qt::Literals::StringLiterals;

namespace {
constexpr qint64 LargestFile = 16 * 1024 * 1024;

// One context for lupdate and the translator alike.
struct SessionExchange
{
    Q_DECLARE_TR_FUNCTIONS(SessionExchange)
};

SessionImport sessionOf(const ScheduleRead &read)
{
    if (!read.schedule)
        return {std::nullopt, read.error, {}};
    SessionImport imported = sessionOfSchedule(*read.schedule, read.notes);
    imported.openLength = read.openLength;
    return imported;
}
} // namespace

ExchangeFormat exchangeFormatOf(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == u"sbg"_s)
        return ExchangeFormat::Sbg;
    if (suffix == u"gnaural"_s)
        return ExchangeFormat::Gnaural;
    if (suffix == u"tsv"_s || suffix == u"txt"_s)
        return ExchangeFormat::CellsText;
    return ExchangeFormat::Unknown;
}

SessionImport importSession(QByteArrayView bytes, ExchangeFormat format, const ScheduleReadOptions &options)
{
    SessionImport imported;
    switch (format) {
    case ExchangeFormat::Sbg:
        imported = sessionOf(readSbgSchedule(bytes, options));
        break;
    case ExchangeFormat::Gnaural:
        imported = sessionOf(readGnauralSchedule(bytes, options));
        break;
    case ExchangeFormat::CellsText:
        imported = readCellsText(bytes);
        break;
    case ExchangeFormat::Unknown:
        return {std::nullopt, SessionExchange::tr("not a file to import: .sbg, .gnaural, .tsv or .txt"), {}};
    }
    if (imported.session)
        finishImport(*imported.session, imported.notes);
    return imported;
}

SessionImport importSessionFile(const QString &path, const ScheduleReadOptions &options)
{
    const ExchangeFormat format = exchangeFormatOf(path);
    if (format == ExchangeFormat::Unknown)
        return importSession({}, format);
    if (fileKindOf(path) == FileKind::Other)
        return {std::nullopt, unusableFileKindReason(), {}};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {std::nullopt,
                SessionExchange::tr("cannot open %1: %2").arg(QFileInfo(path).fileName(), file.errorString()), {}};
    const QByteArray bytes = file.read(LargestFile + 1);
    if (bytes.size() > LargestFile)
        return {std::nullopt,
                SessionExchange::tr("%1 is larger than 16 MiB: no schedule is").arg(QFileInfo(path).fileName()), {}};
    SessionImport imported = importSession(bytes, format, options);
    if (format == ExchangeFormat::Sbg)
        addSbgMix(imported, bytes, QFileInfo(path).absolutePath());
    return imported;
}

SessionExport exportSession(const Session &session, ExchangeFormat format)
{
    const ScheduleFormat scheduleFormat = format == ExchangeFormat::Gnaural ? ScheduleFormat::Gnaural : ScheduleFormat::Sbg;
    const ExportedSchedule exported = scheduleOfSession(session, scheduleFormat);
    QList<ExchangeNote> losses = exported.losses;
    if (scheduleFormat == ScheduleFormat::Sbg)
        return {withSbgMix(sbgBytes(exported.schedule), session.beds, losses), losses};
    for (size_t i = 0; i < session.beds.size(); ++i)
        losses.append({0, 0, 0, SessionExchange::tr("bed %1 left out: the format keeps no sound under the tones").arg(i + 1)});
    return {gnauralBytes(exported.schedule), losses};
}

// Feeds arbitrary bytes to one of the importers, chosen at build time
// (SCHEDULE_FORMAT); a first byte above 0x7f gives schedules a length to
// play. Besides the sanitizers' findings it stops on a broken promise: an
// imported session has 1 to 1000 segments and at most 12 loss lines, plays
// the length it was given unless a line says otherwise, a save writes it and
// an open reads it back whole and without complaint, and what it exports to
// the format imports again.
#include "CountingPrompter.h"

#include "core/exchange/SessionExchange.h"
#include "core/files/SessionFileParser.h"
#include "core/files/SessionFileWriter.h"
#include "core/session/SegmentStarts.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {
void broken(const char *what)
{
    std::fprintf(stderr, "broken: %s\n", what);
    std::abort();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const ExchangeFormat format = ExchangeFormat(SCHEDULE_FORMAT);
    // A first byte above 0x7f (no schedule's first) asks for a length of up to 80 minutes.
    double length = 0;
    if (size > 0 && data[0] > 0x7f) {
        length = (data[0] - 0x7f) * 37.5;
        ++data;
        --size;
    }
    const SessionImport imported = importSession(QByteArrayView(reinterpret_cast<const char *>(data), qsizetype(size)),
                                                 format, {length});
    if (!imported.session) {
        if (imported.error.isEmpty())
            broken("an import that fails says why");
        return 0;
    }
    const int segments = imported.session->cells.columnCount();
    if (segments < 1 || segments > SessionGrid::MaxSegments)
        broken("an imported session has 1 to 1000 segments");
    if (imported.notes.size() > 12)
        broken("an import reports in at most 12 lines");
    const bool timeChanged = std::any_of(imported.notes.cbegin(), imported.notes.cend(),
                                         [](const ExchangeNote &note) { return note.changesPlay; });
    SegmentStarts starts;
    countSegmentStarts(imported.session->cells, starts);
    if (format == ExchangeFormat::Sbg && length > 0 && !timeChanged && std::abs(starts.total / 2.0 - length) > 0.5)
        broken("a schedule imports as long as it was asked to play");
    const Session &session = *imported.session;
    CountingPrompter prompter;
    const SessionFileContent read = parseSessionFile(sessionFileBytes(session), session.kind, prompter);
    if (read.formatErrors || read.cut || read.descriptionCut || read.endedAtNul || prompter.messages > 0)
        broken("an imported session reads back from its file without complaint");
    if (read.name != session.name || read.descriptionLines != session.descriptionLines
        || read.cells.columnCount() != segments)
        broken("an imported session reads back whole from its file");
    if (format == ExchangeFormat::CellsText)
        return 0;
    const SessionExport exported = exportSession(*imported.session, format);
    if (!importSession(exported.bytes, format).session)
        broken("an imported session exports to a file that imports");
    return 0;
}

// Feeds arbitrary bytes to the session file reader and what it reads on to
// the timing summary, the encoder, the listing and both graphs. Besides the
// sanitizers' findings (and a walk that never ends) it stops on a broken
// promise of the reader: the session read is complete and well formed, and
// writing it and reading it again changes nothing more (reading normalises
// once).
#include "CountingPrompter.h"

#include "core/compiler/SegmentEncoder.h"
#include "core/files/SessionFileParser.h"
#include "core/files/SessionFileWriter.h"
#include "core/files/Windows1252.h"
#include "core/session/ConversionError.h"
#include "core/session/Session.h"
#include "core/session/TimingSummary.h"
#include "core/session/ValueLists.h"
#include "gui/graph/GraphDrawing.h"
#include "core/listing/SessionListing.h"

#include <QGuiApplication>

#include <cstdio>
#include <cstdlib>

namespace {
void require(bool condition, const char *promise)
{
    if (!condition) {
        std::fprintf(stderr, "broken: %s\n", promise);
        std::abort();
    }
}

Session sessionOf(const SessionFileContent &content)
{
    Session session;
    session.name = content.name;
    session.descriptionLines = content.descriptionLines;
    session.kind = content.kind;
    session.cells = content.cells;
    return session;
}

void requireWellFormed(const SessionGrid &cells)
{
    require(cells.columnCount() >= 1 && cells.columnCount() <= SessionGrid::MaxSegments, "1 to 1000 segments");
    for (int column = 0; column < cells.columnCount(); ++column) {
        require(cells.cell(column, SegmentNumberRow) == QString::number(column + 1), "segments numbered from 1");
        require(ValueLists::TimeList.contains(cells.cell(column, TimeRow)), "times from TimeList");
        require(ValueLists::DutyList.contains(cells.cell(column, DutyCycleRow)), "duty cycles from DutyList");
    }
}
} // namespace

// The graphs draw text, which needs the toolkit's fonts.
extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication application(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    require(Windows1252::encode(Windows1252::decode(bytes)) == bytes, "every byte survives the code page");

    CountingPrompter prompter;
    const SessionFileContent first = parseSessionFile(bytes, PulsedSession, prompter);
    requireWellFormed(first.cells);
    const TimingSummary timing = computeTimingSummary(first.cells, 1);

    Session read = sessionOf(first);
    try {
        encodeSession(read, prompter, read.cells.columnCount());
    } catch (const ConversionError &) {
    }
    SessionListing::lines(read, timing.lines.value(1), SessionListing::shortDate(QDate(2026, 1, 2)));
    for (const GraphKind kind : {GraphKind::Segment, GraphKind::Time})
        drawGraph(read.cells, kind, read.name, timing.totalSeconds, 640, 300);

    const QByteArray written = sessionFileBytes(sessionOf(first));
    CountingPrompter quiet;
    const SessionKind otherKind = first.kind == PulsedSession ? DualBinauralSession : PulsedSession;
    const SessionFileContent second = parseSessionFile(written, otherKind, quiet);
    require(quiet.messages == 0 && !second.formatErrors && !second.cut, "a written file reads without complaint");
    require(second.kind == first.kind, "the kind survives");
    require(second.name == first.name && second.descriptionLines == first.descriptionLines,
            "name and description survive");
    require(sessionFileBytes(sessionOf(second)) == written, "a written file reads back to the same file");
    return 0;
}

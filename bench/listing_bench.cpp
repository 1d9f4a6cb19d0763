#include "support/SilentPrompter.h"

#include "core/session/NewSession.h"
#include "core/session/Session.h"
#include "core/listing/SessionListing.h"
#include "app/printing/SessionListingPrinter.h"

#include <QPrinter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace Qt::Literals::StringLiterals;

namespace {
// The longest session: 1000 segments and a short description.
Session longSession()
{
    Session session;
    session.name = u"Long"_s;
    session.cells.setColumnCount(SessionGrid::MaxSegments);
    for (int c = 0; c < SessionGrid::MaxSegments; ++c) {
        SessionGrid::Column column = newSessionColumn(c % 2 ? PulsedSession : DualBinauralSession);
        column[SegmentNumberRow] = QString::number(c + 1);
        session.cells.setColumn(c, column);
    }
    session.descriptionLines = {u"First line"_s, u"Second line"_s};
    return session;
}

void listingLines(benchmark::State &state)
{
    const Session session = longSession();
    for (auto _ : state) {
        QStringList lines = SessionListing::lines(session, u"Session total time 1000:0"_s, u"24/05/2024"_s);
        benchmark::DoNotOptimize(lines);
    }
}
BENCHMARK(listingLines)->Unit(benchmark::kMillisecond);

// The whole printout of 1000 segments (about 35 landscape pages) to a PDF file.
void printListingToPdf(benchmark::State &state)
{
    const QStringList lines = SessionListing::lines(longSession(), u"Session total time 1000:0"_s, u"24/05/2024"_s);
    QTemporaryDir dir;
    SilentPrompter prompter;
    for (auto _ : state) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath(u"listing.pdf"_s));
        SessionListingPrinter::printLines(printer, lines, prompter);
    }
}
BENCHMARK(printListingToPdf)->Unit(benchmark::kMillisecond);
} // namespace

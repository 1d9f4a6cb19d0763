#include "core/exchange/SessionExchange.h"
#include "core/files/SessionFileParser.h"
#include "core/files/SessionFileWriter.h"
#include "core/session/NewSession.h"
#include "app/QtPrompter.h"

#include <QFile>
#include <benchmark/benchmark.h>

using namespace Qt::Literals::StringLiterals;

namespace {
// A schedule of the size of the largest the peer ships: tone-sets with noise
// and several tones, a block, clock times, slides and plain changes.
QByteArray longSchedule()
{
    QByteArray text = "## A long schedule\n-SE\noff: -\n";
    for (int set = 0; set < 40; ++set)
        text += "ts" + QByteArray::number(set) + ": pink/10 " + QByteArray::number(100 + set * 5) + "+"
                + QByteArray::number(1 + set % 12) + "/20 " + QByteArray::number(300 + set) + "+4.2/10\n";
    text += "burst: {\n  +00:00 ts1 ->\n  +00:01 ts2\n  +00:02 off\n}\n";
    for (int line = 0; line < 160; ++line) {
        const int minutes = line * 2;
        text += QByteArray::number(minutes / 60).rightJustified(2, '0') + ':'
                + QByteArray::number(minutes % 60).rightJustified(2, '0') + ' ' + (line % 3 == 0 ? "== " : "")
                + "ts" + QByteArray::number(line % 40) + (line % 3 == 0 ? " ->" : "") + '\n';
    }
    text += "05:30 burst\n06:00 off\n";
    return text;
}

void importLongSchedule(benchmark::State &state)
{
    const QByteArray bytes = longSchedule();
    for (auto _ : state) {
        SessionImport imported = importSession(bytes, ExchangeFormat::Sbg);
        benchmark::DoNotOptimize(imported);
    }
}

// The largest example the peer ships, where the peer is at hand.
void importLargestPeerExample(benchmark::State &state)
{
    QFile file(QStringLiteral(MIRANDEL_PEERS_DIR "/sbagenx/examples/contrib/jim/prog-NSDWS-example.sbg"));
    if (!file.open(QIODevice::ReadOnly)) {
        state.SkipWithError("the peer's examples are not at hand");
        return;
    }
    const QByteArray bytes = file.readAll();
    for (auto _ : state) {
        SessionImport imported = importSession(bytes, ExchangeFormat::Sbg);
        benchmark::DoNotOptimize(imported);
    }
}

// The reference: reading a session file of 1000 segments, the program's own format.
void referenceReadThousandSegmentFile(benchmark::State &state)
{
    Session session;
    session.cells.setColumnCount(SessionGrid::MaxSegments);
    for (int c = 0; c < SessionGrid::MaxSegments; ++c)
        session.cells.setColumn(c, newSessionColumn(PulsedSession));
    const QByteArray bytes = sessionFileBytes(session);
    QtPrompter prompter;
    for (auto _ : state) {
        SessionFileContent content = parseSessionFile(bytes, PulsedSession, prompter);
        benchmark::DoNotOptimize(content);
    }
}
} // namespace

BENCHMARK(importLongSchedule)->Unit(benchmark::kMillisecond);
BENCHMARK(importLargestPeerExample)->Unit(benchmark::kMillisecond);
BENCHMARK(referenceReadThousandSegmentFile)->Unit(benchmark::kMillisecond);

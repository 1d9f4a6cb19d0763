#include "playback/SessionPlayer.h"
#include "core/session/NewSession.h"
#include "core/session/Session.h"

#include <QTest>
#include <benchmark/benchmark.h>

// From Play until the audio output runs (needs a sound server, for instance
// the null output CI starts). The first Play of a run also loads the sound
// module: "first_ms".
void playStartsSound(benchmark::State &state)
{
    SessionGrid cells;
    cells.setColumn(0, newSessionColumn(PulsedSession));
    SessionPlayer player;
    double first = -1;
    for (auto _ : state) {
        if (!player.play(cells, 0)) {
            state.SkipWithError(player.lastError().toUtf8().constData());
            break;
        }
        if (!QTest::qWaitFor([&] { return player.startLatencyMs() >= 0; }, 2000)) {
            player.stop();
            state.SkipWithError("the audio output did not start within 2 s");
            break;
        }
        state.SetIterationTime(double(player.startLatencyMs()) / 1000);
        if (first < 0)
            first = double(player.startLatencyMs());
        player.stop();
        QTest::qWait(150);
    }
    state.counters["first_ms"] = first;
}
BENCHMARK(playStartsSound)->UseManualTime()->Iterations(10)->Unit(benchmark::kMillisecond);

#include "support/WalkingSession.h"

#include "core/device/DeviceInfo.h"
#include "core/check/SessionCheck.h"
#include "core/session/SessionGrid.h"
#include "core/session/SessionRows.h"

#include <benchmark/benchmark.h>

namespace {
// The check after an edit of the longest session the editor allows.
void checkLongestSession(benchmark::State &state)
{
    const Session session = walkingSession(SessionKind(state.range(0)), SessionGrid::MaxSegments);
    DeviceInfo device;
    device.sessionsAvailable = 3;
    device.segmentsAvailable = 200;
    for (auto _ : state)
        benchmark::DoNotOptimize(checkSession(session, &device));
    state.SetItemsProcessed(state.iterations() * SessionGrid::MaxSegments);
}

// The same with a problem in every segment, each with its text.
void checkLongestFaultySession(benchmark::State &state)
{
    Session session = walkingSession(SessionKind(state.range(0)), SessionGrid::MaxSegments);
    for (int column = 0; column < SessionGrid::MaxSegments; ++column)
        session.cells.setCell(column, ToneRow, QStringLiteral("xx"));
    for (auto _ : state)
        benchmark::DoNotOptimize(checkSession(session));
    state.SetItemsProcessed(state.iterations() * SessionGrid::MaxSegments);
}
} // namespace

BENCHMARK(checkLongestSession)->Arg(PulsedSession)->Arg(DualBinauralSession)->Unit(benchmark::kMicrosecond);
BENCHMARK(checkLongestFaultySession)->Arg(PulsedSession)->Arg(DualBinauralSession)->Unit(benchmark::kMicrosecond);

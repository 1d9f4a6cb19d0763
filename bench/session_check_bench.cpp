#include "support/WalkingSession.h"

#include "core/device/DeviceInfo.h"
#include "core/check/SessionCheck.h"
#include "core/check/SessionChecker.h"
#include "core/session/SessionGrid.h"
#include "core/session/SessionRows.h"
#include "core/session/ValueLists.h"

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

// The check the window runs after a one-cell edit of the longest session:
// the intensity of a segment in the middle, in turn lit and dark, so that
// both the encoder's findings and the light's are worked out again. The
// reference is checkLongestSession, the whole check.
void recheckAfterOneCellEdit(benchmark::State &state)
{
    Session session = walkingSession(SessionKind(state.range(0)), SessionGrid::MaxSegments);
    DeviceInfo device;
    device.sessionsAvailable = 3;
    device.segmentsAvailable = 200;
    SessionChecker checker;
    const QString &lit = ValueLists::LevelList.last();
    const QString &dark = ValueLists::LevelList.first();
    const int column = SessionGrid::MaxSegments / 2;
    const qsizetype before = checker.check(session, &device).size();
    bool on = false;
    for (auto _ : state) {
        on = !on;
        session.cells.setCell(column, IntensityRow, on ? lit : dark);
        benchmark::DoNotOptimize(checker.check(session, &device));
    }
    if (checker.check(session, &device) != checkSession(session, &device) || before == 0)
        state.SkipWithError("the checks differ");
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
BENCHMARK(recheckAfterOneCellEdit)->Arg(PulsedSession)->Arg(DualBinauralSession)->Unit(benchmark::kMicrosecond);
BENCHMARK(checkLongestFaultySession)->Arg(PulsedSession)->Arg(DualBinauralSession)->Unit(benchmark::kMicrosecond);

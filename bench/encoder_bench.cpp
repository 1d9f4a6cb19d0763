#include "support/SilentPrompter.h"
#include "support/WalkingSession.h"

#include "core/compiler/SegmentEncoder.h"
#include "core/compiler/SessionImage.h"
#include "core/session/Session.h"

#include <benchmark/benchmark.h>

namespace {
void encodeFullSession(benchmark::State &state)
{
    const Session session = walkingSession(SessionKind(state.range(0)), SessionImage::MaxSegments);
    SilentPrompter prompter;
    for (auto _ : state)
        benchmark::DoNotOptimize(encodeSession(session, prompter, SessionImage::MaxSegments));
    state.SetItemsProcessed(state.iterations() * SessionImage::MaxSegments);
}
} // namespace

BENCHMARK(encodeFullSession)->Arg(PulsedSession)->Arg(DualBinauralSession)->Unit(benchmark::kMicrosecond);

#include "support/SilentPrompter.h"

#include "compiler/SegmentEncoder.h"
#include "compiler/SessionImage.h"
#include "session/NewSession.h"
#include "session/Session.h"
#include "session/ValueLists.h"

#include <benchmark/benchmark.h>

using namespace ValueLists;

namespace {
// A full image's worth of segments whose values walk through their lists, so
// that lookups land all over them.
Session fullSession(int kind)
{
    Session session;
    session.kind = kind;
    session.cells.setColumnCount(SessionImage::MaxSegments);
    const bool dual = kind == DualBinauralSession;
    for (int k = 0; k < SessionImage::MaxSegments; ++k) {
        SessionGrid::Column cells = newSessionColumn(kind);
        cells[0] = QString::number(k + 1);
        cells[1] = TimeList.at(k % TimeList.size());
        cells[2] = dual ? DualToneList.at(k % DualToneList.size()) : PulsedToneList.at(k % PulsedToneList.size());
        cells[3] = FreqList.at(k % FreqList.size());
        cells[4] = PitchList.at(k % PitchList.size());
        cells[5] = dual ? FreqList.at((k + 7) % FreqList.size()) : TargetFreqList.at(k % TargetFreqList.size());
        cells[6] = dual ? Pitch2List.at(k % Pitch2List.size()) : ChordList.at(k % ChordList.size());
        cells[7] = dual ? DualPhaseList.at(k % DualPhaseList.size()) : PulsedPhaseList.at(k % PulsedPhaseList.size());
        cells[8] = DutyList.at(k % DutyList.size());
        cells[9] = LevelList.at(k % LevelList.size());
        cells[10] = LevelList.at((k + 3) % LevelList.size());
        cells[11] = VIRampList.at(k % VIRampList.size());
        session.cells.setColumn(k, cells);
    }
    return session;
}

void encodeFullSession(benchmark::State &state)
{
    const Session session = fullSession(int(state.range(0)));
    SilentPrompter prompter;
    SessionImage image;
    for (auto _ : state) {
        image.nextRecord = SessionImage::FirstSegmentRecord;
        benchmark::DoNotOptimize(encodeSession(session, prompter, image, SessionImage::MaxSegments));
    }
    state.SetItemsProcessed(state.iterations() * SessionImage::MaxSegments);
}
} // namespace

BENCHMARK(encodeFullSession)->Arg(PulsedSession)->Arg(DualBinauralSession)->Unit(benchmark::kMicrosecond);

#include "WalkingSession.h"

#include "core/session/NewSession.h"
#include "core/session/ValueLists.h"

using namespace ValueLists;

Session walkingSession(SessionKind kind, int segments)
{
    Session session;
    session.kind = kind;
    session.cells.setColumnCount(segments);
    const bool dual = kind == DualBinauralSession;
    for (int k = 0; k < segments; ++k) {
        SessionGrid::Column cells = newSessionColumn(kind);
        cells[SegmentNumberRow] = QString::number(k + 1);
        cells[TimeRow] = TimeList.at(k % TimeList.size());
        cells[ToneRow] = dual ? DualToneList.at(k % DualToneList.size()) : PulsedToneList.at(k % PulsedToneList.size());
        cells[StartFreqRow] = FreqList.at(k % FreqList.size());
        cells[PitchRow] = PitchList.at(k % PitchList.size());
        cells[TargetFreqRow] =
            dual ? FreqList.at((k + 7) % FreqList.size()) : TargetFreqList.at(k % TargetFreqList.size());
        cells[ChordRow] = dual ? Pitch2List.at(k % Pitch2List.size()) : ChordList.at(k % ChordList.size());
        cells[PhaseRow] =
            dual ? DualPhaseList.at(k % DualPhaseList.size()) : PulsedPhaseList.at(k % PulsedPhaseList.size());
        cells[DutyCycleRow] = DutyList.at(k % DutyList.size());
        cells[VolumeRow] = LevelList.at(k % LevelList.size());
        cells[IntensityRow] = LevelList.at((k + 3) % LevelList.size());
        cells[VIRampRow] = VIRampList.at(k % VIRampList.size());
        session.cells.setColumn(k, cells);
    }
    return session;
}

#include "WalkingSession.h"

#include "session/NewSession.h"
#include "session/ValueLists.h"

using namespace ValueLists;

Session walkingSession(int kind, int segments)
{
    Session session;
    session.kind = kind;
    session.cells.setColumnCount(segments);
    const bool dual = kind == DualBinauralSession;
    for (int k = 0; k < segments; ++k) {
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

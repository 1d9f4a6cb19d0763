#include "RandomSession.h"

#include "DefaultSegments.h"
#include "EditingFixtures.h"

#include "core/session/ValueLists.h"

using namespace Qt::Literals::StringLiterals;

namespace {
QString pick(std::mt19937 &random, const QStringList &list)
{
    return list.at(qsizetype(random() % unsigned(list.size())));
}
} // namespace

Session randomSession(std::mt19937 &random)
{
    using namespace ValueLists;
    const SessionKind kind = SessionKind(random() % 2);
    const bool dual = kind == DualBinauralSession;
    const int count = 1 + int(random() % 30);
    Session session = sessionOfDefaultSegments(kind, count);
    SessionGrid &cells = session.cells;
    for (int column = 0; column < count; ++column) {
        auto set = [&](int row, const QStringList &list) { cells.setCell(column, row, pick(random, list)); };
        set(TimeRow, TimeList);
        set(ToneRow, dual ? DualToneList : PulsedToneList);
        set(StartFreqRow, FreqList);
        set(PitchRow, PitchList);
        set(TargetFreqRow, dual ? FreqList : TargetFreqList);
        if (dual)
            set(Pitch2Row, Pitch2List);
        else if (cells.cell(column, ToneRow) == u"PCh"_s)
            set(ChordRow, ChordList);
        set(PhaseRow, dual ? DualPhaseList : PulsedPhaseList);
        set(DutyCycleRow, random() % 2 ? DutyList : QStringList{u"50"_s});
        set(VolumeRow, LevelList);
        set(IntensityRow, random() % 2 ? LevelList : QStringList{u"0"_s});
        set(VIRampRow, VIRampList);
        if (dual)
            set(DbbRampRow, DbbRampList);
    }
    for (int column = 0; column + 1 < count;) {
        const int n = 1 + int(random() % 4);
        if (random() % 3 == 0 && column + n < count) {
            putLoop(cells, column, n, 2 + int(random() % 4));
            column += n;
        } else {
            ++column;
        }
    }
    return session;
}


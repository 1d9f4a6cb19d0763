#include "core/session/SessionRowTable.h"

#include "core/session/SessionRows.h"
#include "core/session/ValueLists.h"

#include <QCoreApplication>
#include <array>

using namespace ValueLists;

namespace {
constexpr int RowCount = LoopTimesRow + 1;
// Field 12 of a segment line is reserved: the rows after it sit one further on.
constexpr int FieldCount = RowCount + 1;

constexpr RowStepping L = RowStepping::List;

constexpr std::array<SessionRowEntry, RowCount> Entries = {{
    {nullptr, nullptr, nullptr, nullptr, RowStepping::None, 0},
    {QT_TRANSLATE_NOOP("Session", "Time m:s"), nullptr, &TimeList, &TimeList, L, 1},
    {QT_TRANSLATE_NOOP("Session", "Tone"), nullptr, &PulsedToneList, &DualToneList, L, 2},
    {QT_TRANSLATE_NOOP("Session", "Start Freq"), QT_TRANSLATE_NOOP("Session", "Freq 1"), &FreqList, &FreqList, L, 3},
    {QT_TRANSLATE_NOOP("Session", "Pitch"), QT_TRANSLATE_NOOP("Session", "Pitch 1"), &PitchList, &PitchList, L, 4},
    {QT_TRANSLATE_NOOP("Session", "Target Freq"), QT_TRANSLATE_NOOP("Session", "Freq 2"), &TargetFreqList, &FreqList,
     L, 5},
    {QT_TRANSLATE_NOOP("Session", "Chord"), QT_TRANSLATE_NOOP("Session", "Pitch 2"), &ChordList, &Pitch2List, L, 6},
    {QT_TRANSLATE_NOOP("Session", "Phase"), nullptr, &PulsedPhaseList, &DualPhaseList, L, 7},
    {QT_TRANSLATE_NOOP("Session", "Duty Cycle"), nullptr, &DutyList, &DutyList, L, 8},
    {QT_TRANSLATE_NOOP("Session", "Volume"), nullptr, &LevelList, &LevelList, L, 9},
    {QT_TRANSLATE_NOOP("Session", "Intensity"), nullptr, &LevelList, &LevelList, L, 10},
    {QT_TRANSLATE_NOOP("Session", "VI Ramp"), nullptr, &VIRampList, &VIRampList, L, 11},
    {QT_TRANSLATE_NOOP("Session", "dbb Ramp"), nullptr, nullptr, &DbbRampList, L, 13},
    {QT_TRANSLATE_NOOP("Session", "Loop Segs"), nullptr, nullptr, nullptr, RowStepping::Dialog, 14},
    {QT_TRANSLATE_NOOP("Session", "Loop Times"), nullptr, nullptr, nullptr, RowStepping::Dialog, 15},
}};

// The rows by field, made from the entries as the program is compiled.
constexpr std::array<int, FieldCount> rowsOfFields()
{
    std::array<int, FieldCount> byField{};
    for (int &row : byField)
        row = -1;
    for (int row = 0; row < RowCount; ++row)
        byField[size_t(Entries[size_t(row)].fileField)] = row;
    return byField;
}

constexpr std::array<int, FieldCount> RowsOfFields = rowsOfFields();
} // namespace

namespace SessionRowTable {
const SessionRowEntry &entry(int row)
{
    Q_ASSERT(row >= 0 && row < RowCount);
    return Entries[size_t(row)];
}

const char *nameText(SessionKind kind, int row)
{
    if (row < 0 || row >= RowCount)
        return nullptr;
    const SessionRowEntry &e = Entries[size_t(row)];
    return kind == DualBinauralSession && e.dualName ? e.dualName : e.name;
}

const QStringList *list(SessionKind kind, int row)
{
    if (row < 0 || row >= RowCount)
        return nullptr;
    const SessionRowEntry &e = Entries[size_t(row)];
    return kind == DualBinauralSession ? e.dualList : e.list;
}

int rowOfField(int field)
{
    return field >= 0 && field < FieldCount ? RowsOfFields[size_t(field)] : -1;
}
} // namespace SessionRowTable

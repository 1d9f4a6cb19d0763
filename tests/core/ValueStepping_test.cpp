#include "RecordingView.h"
#include "ScriptedPrompter.h"
#include "TestSupport.h"

#include "core/session/SessionContext.h"
#include "core/session/SessionDocument.h"
#include "core/session/ValueLists.h"
#include "core/session/ValueStepping.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {
constexpr StepDirection Up = StepDirection::Up;
constexpr StepDirection Down = StepDirection::Down;
constexpr const char *NotInList = "Starting value not in list - step to desired value";

struct StepCase
{
    const char *name;
    SessionKind kind;
    int column;
    int row;
    const char *tone; // Tone of the stepped segment; nullptr keeps the default
    const char *before;
    StepDirection direction;
    const char *after;
    bool offList; // the start is not in the list
};

const StepCase stepCases[] = {
    {"LastTimeStays", PulsedSession, 1, TimeRow, nullptr, "10:00.0", Up, "10:00.0", false},
    {"FirstTimeStays", PulsedSession, 1, TimeRow, nullptr, "0:00.5", Down, "0:00.5", false},
    {"TimeUp", DualBinauralSession, 1, TimeRow, nullptr, "1:00.0", Up, "1:15.0", false},
    {"EmptyTargetDown", PulsedSession, 1, TargetFreqRow, nullptr, "", Down, "", false},
    {"EmptyTargetUp", PulsedSession, 1, TargetFreqRow, nullptr, "", Up, "0.25", false},
    {"LowestTargetDownEmpties", PulsedSession, 1, TargetFreqRow, nullptr, "0.25", Down, "", false},
    {"TargetWrites150", PulsedSession, 1, TargetFreqRow, nullptr, "1.25", Up, "1.50", false},
    {"TargetDoesNotKnow15", PulsedSession, 1, TargetFreqRow, nullptr, "1.5", Up, "0.25", true},
    {"StartFreqDoesNotKnow150", PulsedSession, 1, StartFreqRow, nullptr, "1.50", Up, "0.50", true},
    {"DualFreq2HasNoEmpty", DualBinauralSession, 1, Freq2Row, nullptr, "0.25", Down, "0.25", false},
    {"Pitch85Up", PulsedSession, 1, PitchRow, nullptr, "85", Up, "96", false},
    {"Pitch2Knows86Not85", DualBinauralSession, 1, Pitch2Row, nullptr, "85", Up, "18", true},
    {"Pitch2AboveTopPitchIsRelative", DualBinauralSession, 1, Pitch2Row, nullptr, "960", Up, "r-15", false},
    {"Pitch2RelativeSkipsZero", DualBinauralSession, 1, Pitch2Row, nullptr, "r1", Down, "r-1", false},
    {"Pitch2LastStays", DualBinauralSession, 1, Pitch2Row, nullptr, "r15", Up, "r15", false},
    {"LevelOffListUp", PulsedSession, 1, VolumeRow, nullptr, "50", Up, "14", true},
    {"LevelOffListDown", PulsedSession, 1, IntensityRow, nullptr, "50", Down, "50", true},
    {"ToneIgnoresCase", PulsedSession, 1, ToneRow, nullptr, "pfr", Up, "PSu", false},
    {"DualPhaseIgnoresCase", DualBinauralSession, 1, PhaseRow, nullptr, "irh", Up, "ORH", false},
    {"RampIgnoresCase", PulsedSession, 1, VIRampRow, nullptr, "NONE", Up, "seg", false},
    {"LastPulsedToneStays", PulsedSession, 1, ToneRow, nullptr, "bb", Up, "bb", false},
    {"DualToneDown", DualBinauralSession, 1, ToneRow, nullptr, "dSb", Down, "dbb", false},
    {"PulsedPhaseUp", PulsedSession, 1, PhaseRow, nullptr, "SA", Up, "LA", false},
    {"DutyDown", PulsedSession, 0, DutyCycleRow, nullptr, "12", Down, "12", false},
    {"ChordOfPFrEmptiedUp", PulsedSession, 1, ChordRow, "PFr", "3", Up, "", false},
    {"ChordOfPFrEmptiedDown", PulsedSession, 1, ChordRow, "PFr", "3", Down, "", false},
    {"ChordNeedsExactPCh", PulsedSession, 1, ChordRow, "pch", "3", Up, "", false},
    {"EmptyChordCountsAsOneUp", PulsedSession, 1, ChordRow, "PCh", "", Up, "2", false},
    {"EmptyChordCountsAsOneDown", PulsedSession, 1, ChordRow, "PCh", "", Down, "", false},
    {"LastChordStays", PulsedSession, 1, ChordRow, "PCh", "9", Up, "9", false},
    {"ChordDown", PulsedSession, 1, ChordRow, "PCh", "5", Down, "4", false},
    {"PulsedDbbRampEmptied", PulsedSession, 1, DbbRampRow, nullptr, "ramp", Up, "", false},
    {"DbbRampOfSegment1Kept", DualBinauralSession, 0, DbbRampRow, nullptr, "jump", Up, "jump", false},
    {"DbbRampOfSegment1KeptEvenOffList", DualBinauralSession, 0, DbbRampRow, nullptr, "x", Down, "x", false},
    {"DbbRampUp", DualBinauralSession, 1, DbbRampRow, nullptr, "jump", Up, "ramp", false},
    {"DbbRampLastStays", DualBinauralSession, 1, DbbRampRow, nullptr, "ramp", Up, "ramp", false},
};

class StepValueTest : public ::testing::TestWithParam<StepCase>
{
};

TEST_P(StepValueTest, StepsThroughTheRowsList)
{
    const StepCase &c = GetParam();
    Session session = sessionWithTimes(c.kind, {"1:00.0", "1:00.0", "1:00.0"});
    if (c.tone)
        session.cells.setCell(c.column, ToneRow, QString::fromLatin1(c.tone));
    session.cells.setCell(c.column, c.row, QString::fromLatin1(c.before));
    const SessionGrid before = session.cells;
    ScriptedPrompter prompter;
    SessionDocument document(session);
    RecordingView view(document);

    stepValue({document, prompter, view}, {c.column, c.row}, c.direction);

    EXPECT_EQ(document.cells().cell(c.column, c.row), QString::fromLatin1(c.after));
    EXPECT_EQ(prompter.errors, c.offList ? QStringList{QString::fromLatin1(NotInList)} : QStringList());
    for (int column = 0; column < document.cells().columnCount(); ++column) {
        for (int row = 0; row < SessionGrid::RowCount; ++row) {
            if (column != c.column || row != c.row) {
                EXPECT_EQ(document.cells().cell(column, row), before.cell(column, row)) << column << "," << row;
            }
        }
    }
    // Modified even when nothing changed; focus back on the grid; the timing refreshed.
    EXPECT_EQ(document.isModified(), 1);
    EXPECT_GE(view.focusCount, 1);
    EXPECT_EQ(view.timingChangedCount, 1);
}

INSTANTIATE_TEST_SUITE_P(Cases, StepValueTest, ::testing::ValuesIn(stepCases),
                         [](const ::testing::TestParamInfo<StepCase> &info) { return std::string(info.param.name); });

// Stepping every row of both kinds from the first entry to the end and back
// visits every entry of the row's list in order.
TEST(StepValue, WalksEachListEndToEnd)
{
    for (const SessionKind kind : {PulsedSession, DualBinauralSession}) {
        Session fresh = sessionWithTimes(kind, {"1:00.0", "1:00.0"});
        fresh.cells.setCell(1, ToneRow, kind == PulsedSession ? u"PCh"_s : u"dbb"_s);
        const int lastSteppedRow = kind == PulsedSession ? VIRampRow : DbbRampRow;
        for (int row = TimeRow; row <= lastSteppedRow; ++row) {
            Session session = fresh;
            const CellPos cell{1, row};
            const QStringList list = workingList(session, cell);
            ASSERT_FALSE(list.isEmpty()) << "kind " << kind << " row " << row;
            session.cells.setCell(1, row, list.first());
            ScriptedPrompter prompter;
            SessionDocument document(session);
            RecordingView view(document);
            QStringList upward{list.first()};
            for (int step = 1; step < list.size() + 2; ++step) {
                stepValue({document, prompter, view}, cell, StepDirection::Up);
                if (document.cells().cell(1, row) != upward.last())
                    upward.append(document.cells().cell(1, row));
            }
            EXPECT_EQ(upward, list) << "kind " << kind << " row " << row;
            for (int step = 0; step < list.size() + 2; ++step)
                stepValue({document, prompter, view}, cell, StepDirection::Down);
            EXPECT_EQ(document.cells().cell(1, row), list.first());
            EXPECT_TRUE(prompter.errors.isEmpty()) << prompter.errors.join(u", "_s);
        }
    }
}

TEST(WorkingList, FollowsTheSessionKind)
{
    using namespace ValueLists;
    Session pulsed = sessionWithTimes(PulsedSession, {"1:00.0", "1:00.0"});
    Session dual = sessionWithTimes(DualBinauralSession, {"1:00.0", "1:00.0"});
    pulsed.cells.setCell(1, ToneRow, u"PCh"_s);
    const struct
    {
        int row;
        QStringList pulsedList;
        QStringList dualList;
    } rows[] = {
        {ToneRow, PulsedToneList, DualToneList},   {TargetFreqRow, TargetFreqList, FreqList},
        {ChordRow, ChordList, Pitch2List},         {PhaseRow, PulsedPhaseList, DualPhaseList},
        {DbbRampRow, {}, DbbRampList},             {LoopSegsRow, {}, {}},
        {LoopTimesRow, {}, {}},
    };
    for (const auto &r : rows) {
        EXPECT_EQ(workingList(pulsed, {1, r.row}), r.pulsedList) << "row " << r.row;
        EXPECT_EQ(workingList(dual, {1, r.row}), r.dualList) << "row " << r.row;
    }
    EXPECT_TRUE(workingList(pulsed, {0, ChordRow}).isEmpty()); // segment 1 plays "PFr"
    EXPECT_TRUE(workingList(dual, {0, DbbRampRow}).isEmpty());
}
} // namespace

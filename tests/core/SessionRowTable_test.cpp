#include "TestSupport.h"

#include "core/session/SessionGrid.h"
#include "core/session/SessionRowTable.h"
#include "core/session/SessionRows.h"

#include <gtest/gtest.h>

// A session file's segment line: every row but the segment number has its
// own field, and field 12 is reserved.
TEST(SessionRowTable, EveryStoredRowHasItsOwnFileField)
{
    EXPECT_EQ(SessionRowTable::rowOfField(12), -1);
    for (int field : {-1, 16})
        EXPECT_EQ(SessionRowTable::rowOfField(field), -1) << field;
    for (int row = TimeRow; row < SessionGrid::RowCount; ++row) {
        const int field = SessionRowTable::entry(row).fileField;
        EXPECT_GE(field, 1) << row;
        EXPECT_LE(field, 15) << row;
        EXPECT_EQ(SessionRowTable::rowOfField(field), row) << row;
    }
}

TEST(SessionRowTable, NamesAndListsByKind)
{
    const struct
    {
        int row;
        SessionKind kind;
        const char *name;
        bool list;
    } cases[] = {
        {SegmentNumberRow, PulsedSession, nullptr, false},
        {StartFreqRow, PulsedSession, "Start Freq", true},
        {Freq1Row, DualBinauralSession, "Freq 1", true},
        {Pitch2Row, DualBinauralSession, "Pitch 2", true},
        {PhaseRow, DualBinauralSession, "Phase", true},
        {DbbRampRow, PulsedSession, "dbb Ramp", false},
        {DbbRampRow, DualBinauralSession, "dbb Ramp", true},
        {LoopTimesRow, DualBinauralSession, "Loop Times", false},
        {SessionGrid::RowCount, PulsedSession, nullptr, false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.row);
        EXPECT_EQ(QString::fromUtf8(SessionRowTable::nameText(c.kind, c.row)), QString::fromUtf8(c.name));
        EXPECT_EQ(SessionRowTable::list(c.kind, c.row) != nullptr, c.list);
    }
    for (int row = 0; row < SessionGrid::RowCount; ++row)
        EXPECT_EQ(SessionRowTable::entry(row).stepping == RowStepping::Dialog, isLoopRow(row)) << row;
}

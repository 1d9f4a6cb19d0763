// The timing keeps what it converted between refreshes: every edit must
// still show, whichever way the cells changed.
#include "TestSupport.h"
#include "core/session/SegmentStarts.h"
#include "core/session/TimingSummary.h"

#include <gtest/gtest.h>
#include <functional>

using namespace Qt::Literals::StringLiterals;

TEST(TimingAfterEdits, EveryEditShowsInTheNextRefresh)
{
    Session session = sessionWithTimes(PulsedSession, {"1:00.0", "1:00.0", "1:00.0"});
    SessionGrid &cells = session.cells;
    const SessionGrid original = cells;
    const struct
    {
        const char *edit;
        std::function<void()> apply;
        int segment;
        QStringList lines;
        QString error;
    } steps[] = {
        {"first refresh", [] {}, 2, {u"Segment 2 start time 1:0"_s, u"Session total time 3:0"_s}, {}},
        {"a time", [&] { cells.setCell(0, TimeRow, u"2:00.5"_s); }, 2,
         {u"Segment 2 start time 2:0"_s, u"Session total time 4:0"_s}, {}},
        {"a time that is not a number", [&] { cells.setCell(1, TimeRow, u"1:0x.0"_s); }, 1,
         {u"Segment 1 start time 0:0"_s, QString()}, u"'0x' is not a valid integer value"_s},
        {"the same text again", [&] { cells.setCell(1, TimeRow, u"1:0x.0"_s); }, 3, {QString(), QString()},
         u"'0x' is not a valid integer value"_s},
        {"mended", [&] { cells.setCell(1, TimeRow, u"0:30.0"_s); }, 3,
         {u"Segment 3 start time 2:30"_s, u"Session total time 3:30"_s}, {}},
        {"a loop of two played three times",
         [&] {
             cells.setCell(0, LoopSegsRow, u"2"_s);
             cells.setCell(0, LoopTimesRow, u"3"_s);
             cells.setCell(1, LoopTimesRow, u"3"_s);
         },
         3, {u"Segment 3 start time 7:31"_s, u"Session total time 8:31"_s}, {}},
        {"loop times that are not a number", [&] { cells.setCell(0, LoopTimesRow, u"3x"_s); }, 1,
         {u"Segment 1 start time 0:0"_s, QString()}, u"'3x' is not a valid integer value"_s},
        {"a copy of the grid as it was", [&] { cells = original; }, 3,
         {u"Segment 3 start time 2:0"_s, u"Session total time 3:0"_s}, {}},
        {"a segment inserted", [&] { cells.shiftRightFrom(0); }, 2,
         {u"Segment 2 start time 1:0"_s, u"Session total time 4:0"_s}, {}},
        {"a segment removed", [&] { cells.shiftLeftOnto(3); }, 3,
         {u"Segment 3 start time 2:0"_s, u"Session total time 3:0"_s}, {}},
    };
    for (const auto &step : steps) {
        SCOPED_TRACE(step.edit);
        step.apply();
        const TimingSummary summary = computeTimingSummary(cells, step.segment);
        EXPECT_EQ(summary.lines, step.lines);
        EXPECT_EQ(summary.error, step.error);
    }
}

namespace {
// The same cells in columns of their own, so that nothing converted for the
// original is reused.
SessionGrid freshCopy(const SessionGrid &cells)
{
    SessionGrid copy;
    copy.setColumnCount(cells.columnCount());
    for (int c = 0; c < cells.columnCount(); ++c)
        copy.setColumn(c, cells.column(c));
    return copy;
}
} // namespace

TEST(TimingAfterEdits, MovedColumnsKeepTheirOwnNumbers)
{
    Session session = sessionWithTimes(PulsedSession, {"0:10.0", "0:20.0", "0:30.0", "0:40.0", "0:50.0", "1:00.0",
                                                       "1:10.0", "1:20.0", "1:30.0", "1:40.0"});
    SessionGrid &cells = session.cells;
    cells.setCell(2, LoopSegsRow, u"3"_s);
    for (const int c : {2, 3, 4})
        cells.setCell(c, LoopTimesRow, u"4"_s);
    const SessionGrid other = freshCopy(cells);
    const SessionGrid::Column odd = cells.column(8);
    const struct
    {
        const char *edit;
        std::function<void()> apply;
    } steps[] = {
        {"inserted inside the loop", [&] { cells.shiftRightFrom(3); }},
        {"the inserted column rewritten", [&] { cells.setCell(3, TimeRow, u"5:00.5"_s); }},
        {"removed before the loop", [&] { cells.shiftLeftOnto(1); }},
        {"two removed at once", [&] { cells.shiftLeftOnto(4), cells.shiftLeftOnto(4); }},
        {"a column replaced", [&] { cells.setColumn(0, odd); }},
        {"a column moved to the front", [&] { cells.shiftRightFrom(0), cells.setColumn(0, cells.column(5)); }},
        {"grown", [&] { cells.setColumnCount(cells.columnCount() + 3); }},
        {"another grid", [&] { cells = other; }},
        {"shrunk to one", [&] { cells.setColumnCount(1); }},
    };
    SegmentStarts counted;
    countSegmentStarts(cells, counted);
    for (const auto &step : steps) {
        SCOPED_TRACE(step.edit);
        step.apply();
        countSegmentStarts(cells, counted);
        SegmentStarts expected;
        countSegmentStarts(freshCopy(cells), expected);
        EXPECT_EQ(counted.starts, expected.starts);
        EXPECT_EQ(counted.total, expected.total);
        EXPECT_EQ(counted.error, expected.error);
        // Back to the edited grid, for the next edit to be followed from it.
        countSegmentStarts(cells, counted);
    }
}

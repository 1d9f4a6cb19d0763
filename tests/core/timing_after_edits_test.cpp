// The timing keeps what it converted between refreshes: every edit must
// still show, whichever way the cells changed.
#include "TestSupport.h"
#include "session/TimingSummary.h"

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
        {"a time", [&] { cells.setCell(0, 1, u"2:00.5"_s); }, 2,
         {u"Segment 2 start time 2:0"_s, u"Session total time 4:0"_s}, {}},
        {"a time that is not a number", [&] { cells.setCell(1, 1, u"1:0x.0"_s); }, 1,
         {u"Segment 1 start time 0:0"_s, QString()}, u"'0x' is not a valid integer value"_s},
        {"the same text again", [&] { cells.setCell(1, 1, u"1:0x.0"_s); }, 3, {QString(), QString()},
         u"'0x' is not a valid integer value"_s},
        {"mended", [&] { cells.setCell(1, 1, u"0:30.0"_s); }, 3,
         {u"Segment 3 start time 2:30"_s, u"Session total time 3:30"_s}, {}},
        {"a loop of two played three times",
         [&] {
             cells.setCell(0, 13, u"2"_s);
             cells.setCell(0, 14, u"3"_s);
             cells.setCell(1, 14, u"3"_s);
         },
         3, {u"Segment 3 start time 7:31"_s, u"Session total time 8:31"_s}, {}},
        {"loop times that are not a number", [&] { cells.setCell(0, 14, u"3x"_s); }, 1,
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

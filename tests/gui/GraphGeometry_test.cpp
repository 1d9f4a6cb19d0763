#include "TestSupport.h"
#include "core/graph/GraphFrequencies.h"
#include "gui/graph/GraphGeometry.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

TEST(GraphGeometry, UnitsBaselineAndScaleFollowTheScrollBoxHeight)
{
    struct Case
    {
        int height;
        int u, v, b;
        int scaleYs[5]; // 40, 20, 10, 5, 1 Hz
    };
    const Case cases[] = {
        {450, 10, 2, 412, {12, 112, 212, 312, 392}},
        {718, 15, 3, 618, {18, 168, 318, 468, 588}},
        {44, 0, 0, 0, {0, 0, 0, 0, 0}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.height);
        const GraphGeometry geometry(1000, c.height);
        EXPECT_EQ(geometry.unit, c.u);
        EXPECT_EQ(geometry.topOffset, c.v);
        EXPECT_EQ(geometry.baseline, c.b);
        EXPECT_EQ(geometry.bitmapHeight(), c.b + 1);
        EXPECT_EQ(geometry.frequencyY(0), c.b);
        EXPECT_EQ(geometry.frequencyY(168), c.v);
        const QList<ScaleTick> scale = geometry.frequencyScale();
        ASSERT_EQ(scale.size(), 5);
        const QString labels[] = {u"40"_s, u"20"_s, u"10"_s, u"5"_s, u"1"_s};
        for (int i = 0; i < 5; ++i) {
            EXPECT_EQ(scale[i].label, labels[i]);
            EXPECT_EQ(scale[i].tick, QLine(10, c.scaleYs[i], 30, c.scaleYs[i]));
            EXPECT_EQ(scale[i].labelTopLeft, QPoint(5, c.scaleYs[i] + 5));
        }
    }
}

TEST(GraphGeometry, ThreePiecesTruncateTowardZero)
{
    const GraphGeometry geometry(1000, 718); // U = 15, V = 3
    struct Case
    {
        int quarterHertz;
        int y;
    };
    // 2U per hertz to 10 Hz, U to 20 Hz, U/2 above; v / 2, v / 4 and
    // b * U / 2 truncate, toward zero above 42 Hz too.
    const Case cases[] = {{31, 385}, {40, 318}, {41, 318}, {42, 310}, {80, 168}, {81, 168},
                          {84, 160}, {168, 3},  {172, -4}, {-4, 648}};
    for (const Case &c : cases)
        EXPECT_EQ(geometry.frequencyY(c.quarterHertz), c.y) << c.quarterHertz;
}

TEST(GraphFrequencies, CellsAreQuarterHertzRoundedHalfToEven)
{
    struct Case
    {
        QString cell;
        int quarterHertz;
    };
    const Case cases[] = {{u"7.83"_s, 31}, {u"42.0"_s, 168}, {u"0.25"_s, 1},  {u"0.125"_s, 0},
                          {u"0.375"_s, 2}, {QString(), 0},   {u"abc"_s, 0},   {u"1e300"_s, 1000000}};
    for (const Case &c : cases)
        EXPECT_EQ(quarterHertzOf(c.cell), c.quarterHertz) << c.cell;
}

TEST(GraphFrequencies, StartAndEndFollowToneTargetAndDbbRamp)
{
    Session session = sessionWithTimes(DualBinauralSession, {"1:00.0", "1:00.0", "1:00.0", "1:00.0", "1:00.0"});
    SessionGrid &cells = session.cells;
    // Dual: ramp from 0 Hz, ramp from the previous end, jump.
    cells.setCell(0, DbbRampRow, u"ramp"_s);
    cells.setCell(0, Freq1Row, u"10.0"_s);
    cells.setCell(1, DbbRampRow, u"ramp"_s);
    cells.setCell(1, Freq1Row, u"20.0"_s);
    cells.setCell(2, DbbRampRow, u"jump"_s);
    cells.setCell(2, Freq1Row, u"5.0"_s);
    // Pulsed tones: a target ramps, no target stays level; the dbb ramp means nothing.
    cells.setCell(3, ToneRow, u"PFr"_s);
    cells.setCell(3, StartFreqRow, u"3.0"_s);
    cells.setCell(3, TargetFreqRow, u"6.0"_s);
    cells.setCell(4, ToneRow, u"bb"_s);
    cells.setCell(4, StartFreqRow, u"8.0"_s);
    cells.setCell(4, TargetFreqRow, QString());
    cells.setCell(4, DbbRampRow, u"ramp"_s);

    const FrequencySpan expected[] = {{0, 40}, {40, 80}, {20, 20}, {12, 24}, {32, 32}};
    FrequencyWalk walk;
    for (int column = 0; column < 5; ++column) {
        const FrequencySpan line = walk.next(cells, column);
        EXPECT_EQ(line.start, expected[column].start) << column;
        EXPECT_EQ(line.end, expected[column].end) << column;
    }
}

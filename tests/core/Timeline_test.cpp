#include "DefaultSegments.h"
#include "EditingFixtures.h"
#include "ScriptedPrompter.h"
#include "TestSupport.h"
#include "core/session/SessionDocument.h"
#include "core/timeline/TimelineDrag.h"
#include "core/timeline/TimelineGeometry.h"
#include "core/timeline/TimelineGrip.h"
#include "core/timeline/TimelineLayout.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {
// 1000 s over 1000 pixels right of the scale: one second a pixel when fitted.
TimelineGeometry fittedThousandSeconds()
{
    return TimelineGeometry(TimelineGeometry::ScaleWidth + 1000, 400, 1000);
}

// 0:10, then 0:20 and 0:30 looped three times, then 0:05: 2:45 in all.
Session loopedSession()
{
    Session session = sessionWithTimes(PulsedSession, {"0:10.0", "0:20.0", "0:30.0", "0:05.0"});
    putLoop(session.cells, 1, 2, 3);
    return session;
}
} // namespace

TEST(TimelineGeometry, TimeAndXMapBothWays)
{
    struct Case
    {
        double zoom;   // factor around x = 544 (500 s when fitted)
        double scroll; // pixels after the zoom
        double seconds;
        double x;
    } cases[] = {
        {1, 0, 0, 44},      {1, 0, 500, 544},   {1, 0, 1000, 1044},
        {2, 0, 500, 544},   {2, 0, 250, 44},    {2, 100, 300, 44},
        {10, 0, 500, 544},  {100, 0, 500, 544}, {100, 0, 510, 644}, // finest: 10 s to 100 px
        {2, -1000, 0, 44},  {2, 5000, 1000, 1044},                  // scrolled no further than the ends
    };
    for (const Case &c : cases) {
        TimelineGeometry geometry = fittedThousandSeconds();
        geometry.zoomAround(c.zoom, 544);
        geometry.scrollBy(c.scroll);
        EXPECT_NEAR(geometry.x(c.seconds), c.x, 1e-6) << c.zoom << " " << c.scroll << " " << c.seconds;
        EXPECT_NEAR(geometry.secondsAt(c.x), c.seconds, 1e-6) << c.zoom << " " << c.scroll << " " << c.x;
    }
}

TEST(TimelineGeometry, FrequencyAndYOnALogAxis)
{
    const TimelineGeometry geometry = fittedThousandSeconds();
    const QRect lane = geometry.beatLane().adjusted(0, 4, 0, -4);
    struct Case
    {
        double hertz;
        double y;
    } cases[] = {
        {TimelineGeometry::LowestBeat, double(lane.bottom())},
        {TimelineGeometry::HighestBeat, double(lane.top())},
        // The geometric mean of the ends halfway.
        {std::sqrt(TimelineGeometry::LowestBeat * TimelineGeometry::HighestBeat), (lane.top() + lane.bottom()) / 2.0},
        {0, double(lane.bottom())}, // no beat: on the floor
    };
    for (const Case &c : cases)
        EXPECT_NEAR(geometry.beatY(c.hertz), c.y, 1e-6) << c.hertz;
    for (const double hertz : {0.25, 1.0, 7.83, 20.0, 42.0})
        EXPECT_NEAR(geometry.beatAt(geometry.beatY(hertz)), hertz, 1e-9) << hertz;
    EXPECT_GT(geometry.beatY(10) - geometry.beatY(20), geometry.beatY(20) - geometry.beatY(30));
}

TEST(TimelineSnapping, NumbersTakeTheEntryTheSheetTakesTyped)
{
    const Session pulsed = sessionOfDefaultSegments(PulsedSession, 2);
    struct Case
    {
        int row;
        double number;
        QString entry; // empty: refused
    } cases[] = {
        {StartFreqRow, 7.7, u"7.83"_s},  {StartFreqRow, 7.95, u"8.0"_s}, {StartFreqRow, 0.01, u"0.25"_s},
        {StartFreqRow, 60, u"42.0"_s},   {TargetFreqRow, 1.5, u"1.50"_s}, {TimeRow, 25, u"0:10.0"_s},
        {TimeRow, 27, u"0:15.0"_s},      {TimeRow, 0.2, u"0:00.5"_s},    {TimeRow, 5000, u"10:00.0"_s},
        {VolumeRow, 80, u"85"_s},        {IntensityRow, 3, u"0"_s},      {ChordRow, 2, QString()},
    };
    for (const Case &c : cases) {
        const ValueMatch match = snapToList(pulsed, {1, c.row}, c.number);
        EXPECT_EQ(match.entry, c.entry) << c.row << " " << c.number;
        EXPECT_EQ(match.matched(), !c.entry.isEmpty()) << c.row << " " << c.number;
    }
}

TEST(TimelineLayout, PlaysLoopsOutAndFindsWhatChanged)
{
    const Session session = loopedSession();
    const TimelineLayout layout(session);
    std::vector<std::pair<int, qint64>> played;
    for (const TimelinePass &pass : layout.passes())
        played.emplace_back(pass.column, pass.start);
    const std::vector<std::pair<int, qint64>> expected{{0, 0},    {1, 20},  {2, 60},  {1, 120},
                                                       {2, 160}, {1, 220}, {2, 260}, {3, 320}};
    EXPECT_EQ(played, expected);
    EXPECT_EQ(layout.totalHalfSeconds(), 330);
    ASSERT_EQ(layout.loops().size(), 1u);
    EXPECT_EQ(layout.loops()[0].times, 3);
    EXPECT_EQ(layout.loops()[0].start, 20);
    EXPECT_EQ(layout.loops()[0].end, 320);
    EXPECT_EQ(layout.passAt(130), 3);

    Session louder = session;
    louder.cells.setCell(3, VolumeRow, u"42"_s);
    const TimelineLayout::Span changed = TimelineLayout(louder).differenceFrom(layout);
    EXPECT_EQ(changed.first, 320);
    EXPECT_EQ(changed.last, 330);
}

TEST(TimelineDrag, OneUndoStepOrNothing)
{
    SessionDocument document(loopedSession());
    ScriptedPrompter prompter;
    const TimelineLayout layout(document.session());
    const TimelineGeometry geometry(TimelineGeometry::ScaleWidth + 330, 300, 165);
    TimelineDrag drag(document.session(), layout, {1, StartFreqRow, 1});
    drag.moveTo(geometry, {60, geometry.beatY(19)});
    EXPECT_EQ(drag.valueText(), u"19.0 Hz"_s);
    // Dropped (Escape): nothing changes.
    EXPECT_EQ(document.session().cells.cell(1, StartFreqRow), u"7.83"_s);
    drag.finish(document, prompter);
    EXPECT_EQ(document.session().cells.cell(1, StartFreqRow), u"19.0"_s);
    EXPECT_EQ(document.undoText(), u"Drag Start Freq of Segment 2"_s);
    document.undo();
    EXPECT_EQ(document.session().cells.cell(1, StartFreqRow), u"7.83"_s);
}

TEST(TimelineGrip, ThePointerTakesTheNearestGrip)
{
    // Segment 1 glides 10 to 4 Hz over 0:10; segments 2 to 4 as above.
    Session session = loopedSession();
    session.cells.setCell(0, StartFreqRow, u"10.0"_s);
    session.cells.setCell(0, TargetFreqRow, u"4.0"_s);
    session.cells.setCell(2, VolumeRow, u"42"_s);
    const TimelineLayout layout(session);
    // Half a second a pixel.
    const TimelineGeometry g(TimelineGeometry::ScaleWidth + 330, 400, 165);
    struct Case
    {
        QPointF point;
        TimelineGrip grip; // column -1: none
    } cases[] = {
        {{g.x(0) + 2, g.beatY(10) - 2}, {0, StartFreqRow, 0}},
        {{g.x(10) - 2, g.beatY(4) + 3}, {0, TargetFreqRow, 0}},
        {{g.x(10) + 1, g.beatY(7.83)}, {1, StartFreqRow, 1}},  // segment 2's start, beside segment 1's end
        {{g.x(110) + 2, g.beatY(7.83)}, {1, StartFreqRow, 5}}, // its third pass
        {{g.x(10) + 3, g.beatY(1)}, {0, TimeRow, 0}},          // the boundary after segment 1
        {{g.x(30) - 3, g.lightLane().center().y()}, {1, TimeRow, 1}},
        {{g.x(45), g.volumeY(42) + 2}, {2, VolumeRow, 2}},
        {{g.x(45), g.intensityY(100)}, {2, IntensityRow, 2}},
        {{g.x(45), g.beatY(1)}, {}},
        {{g.x(170), g.beatY(7.83)}, {}}, // after the end
    };
    for (const Case &c : cases) {
        const TimelineGrip grip = gripAt(layout, g, c.point);
        EXPECT_EQ(grip.column, c.grip.column) << c.point.x() << "," << c.point.y();
        EXPECT_EQ(grip.row, c.grip.row) << c.point.x() << "," << c.point.y();
        if (c.grip.isValid())
            EXPECT_EQ(grip.pass, c.grip.pass) << c.point.x() << "," << c.point.y();
    }
}

TEST(TimelineLayout, DualBeatsAndRampsStartWhereThePassBeforeEnded)
{
    Session session = sessionOfDefaultSegments(DualBinauralSession, 2);
    session.cells.setCell(1, Freq1Row, u"4.0"_s);
    session.cells.setCell(1, Freq2Row, u"20.0"_s);
    session.cells.setCell(1, VolumeRow, u"42"_s);
    session.cells.setCell(1, VIRampRow, u"seg"_s);
    session.cells.setCell(1, DbbRampRow, u"ramp"_s);
    const TimelinePass pass = TimelineLayout(session).passes().at(1);
    // From where segment 1 ended.
    EXPECT_EQ(pass.beat.start, 7.83);
    EXPECT_EQ(pass.beat.end, 4.0);
    EXPECT_EQ(pass.beat2.start, 15.0);
    EXPECT_EQ(pass.beat2.end, 20.0);
    EXPECT_EQ(pass.volumeFrom, 100);
    EXPECT_EQ(pass.volumeTo, 42);
    EXPECT_EQ(pass.intensityFrom, 100);
}

TEST(TimelineDrag, WithShiftEachFewPixelsAreOneListStep)
{
    SessionDocument document(loopedSession());
    const TimelineLayout layout(document.session());
    const TimelineGeometry geometry(TimelineGeometry::ScaleWidth + 330, 300, 165);
    const struct
    {
        int row;
        double pixelsUp; // from where Shift was pressed
        const char *entry;
    } cases[] = {
        {StartFreqRow, 3 * TimelineDrag::FinePixels, "9.0"}, // 7.83, 8.0, 8.5, 9.0
        {StartFreqRow, -2 * TimelineDrag::FinePixels, "7.0"},
        {StartFreqRow, -1000, "0.25"},
        {TargetFreqRow, -1000, "0.25"}, // never the empty target
        {TargetFreqRow, 1000, "42.0"},
    };
    for (const auto &c : cases) {
        Session session = loopedSession();
        session.cells.setCell(1, TargetFreqRow, u"7.83"_s);
        TimelineDrag drag(session, layout, {1, c.row, 1});
        const QPointF start(60, 150);
        drag.moveTo(geometry, start, true);
        drag.moveTo(geometry, start - QPointF(0, c.pixelsUp), true);
        EXPECT_EQ(drag.proposal().entry, QString::fromLatin1(c.entry)) << c.row << " " << c.pixelsUp;
    }
}

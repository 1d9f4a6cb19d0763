#include "TestSupport.h"
#include "core/session/NewSession.h"
#include "core/session/TimingSummary.h"
#include "gui/graph/GraphCanvas.h"
#include "gui/graph/GraphDrawing.h"
#include "core/graph/GraphFrequencies.h"
#include "gui/graph/GraphGeometry.h"
#include "gui/graph/TimeGraph.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {
const QRgb Black = qRgb(0, 0, 0);
const QRgb White = qRgb(255, 255, 255);
const QRgb Aqua = qRgb(0, 255, 255);
const QRgb Silver = qRgb(192, 192, 192);
const QRgb Red = qRgb(255, 0, 0);
const QRgb Fuchsia = qRgb(255, 0, 255);
const QRgb Purple = qRgb(128, 0, 128);

// Scroll box height 450: U = 10, V = 2, B = 412.
constexpr int Height = 450;
constexpr int Baseline = 412;

struct Segment
{
    const char *time;
    const char *freq;
    const char *loopSegs = "0";
    const char *loopTimes = "0";
    const char *dbbRamp = "jump"; // dual sessions only
};

// Segments of the given kind, each a level line at its frequency (pulsed)
// or at its "Freq 1" (dual).
SessionGrid segments(SessionKind kind, std::initializer_list<Segment> list)
{
    SessionGrid cells;
    cells.setColumnCount(int(list.size()));
    int column = 0;
    for (const Segment &segment : list) {
        SessionGrid::Column cellsOf = newSessionColumn(kind);
        cellsOf[0] = QString::number(column + 1);
        cellsOf[1] = QString::fromLatin1(segment.time);
        cellsOf[3] = QString::fromLatin1(segment.freq);
        cellsOf[13] = QString::fromLatin1(segment.loopSegs);
        cellsOf[14] = QString::fromLatin1(segment.loopTimes);
        if (kind == DualBinauralSession)
            cellsOf[12] = QString::fromLatin1(segment.dbbRamp);
        cells.setColumn(column++, cellsOf);
    }
    return cells;
}

GraphDrawing timeGraph(const SessionGrid &cells, int width, int totalSeconds)
{
    return drawGraph(cells, GraphKind::Time, u"t"_s, totalSeconds, width, Height);
}

GraphDrawing timeGraph(const SessionGrid &cells, int width)
{
    return timeGraph(cells, width, computeTimingSummary(cells, 1).totalSeconds);
}

int yOf(const char *hertz)
{
    return GraphGeometry(1000, Height).frequencyY(quarterHertzOf(QString::fromLatin1(hertz)));
}

// A sloped line may fall a pixel either side of the ideal point.
bool blackNear(const QImage &image, int x, int y)
{
    for (int dy = -1; dy <= 1; ++dy) {
        if (image.valid(x, y + dy) && image.pixel(x, y + dy) == Black)
            return true;
    }
    return false;
}

bool anyBlackIn(const QImage &image, const QRect &rect)
{
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        for (int x = rect.left(); x <= rect.right(); ++x) {
            if (image.valid(x, y) && image.pixel(x, y) == Black)
                return true;
        }
    }
    return false;
}
} // namespace

TEST(SegmentGraph, BandsBaselineTickAndLevelLineLieWhereTheGeometrySays)
{
    const GraphDrawing drawing = drawGraph(segments(PulsedSession, {{"1:00.0", "7.83"}}), GraphKind::Segment,
                                           u"alpha"_s, 60, 1000, Height);
    const QImage &image = drawing.bitmap;
    EXPECT_EQ(drawing.caption, u"Segment Graph of [alpha]"_s);
    EXPECT_TRUE(drawing.error.isEmpty());
    ASSERT_EQ(image.size(), QSize(101, Baseline + 1));
    EXPECT_EQ(drawing.scrollRange, 150);

    // Inside every band, clear of the label and the line.
    const struct
    {
        int y;
        QRgb colour;
    } bands[] = {{1, Purple}, {20, Purple}, {40, Fuchsia}, {130, Fuchsia}, {135, Red},  {190, Red},
                 {195, Silver}, {256, Silver}, {270, Silver}, {275, White}, {350, White}, {355, Aqua},
                 {391, Aqua}, {411, Aqua}};
    for (const auto &band : bands)
        EXPECT_EQ(image.pixel(20, band.y), band.colour) << band.y;
    for (int x = 0; x <= 100; ++x) {
        EXPECT_EQ(image.pixel(x, Baseline), Black) << x;
        EXPECT_EQ(image.pixel(x, 257), Black) << x; // "7.83": v = 31
    }
    for (int y = Baseline - 10; y <= Baseline; ++y)
        EXPECT_EQ(image.pixel(100, y), Black) << y; // the tick at n * P
    EXPECT_EQ(image.pixel(100, Baseline - 12), Aqua);
    // The segment number's box at (n * P - P / 2, B - 2U).
    EXPECT_TRUE(anyBlackIn(image, QRect(50, Baseline - 20, 12, 12)));
    EXPECT_FALSE(anyBlackIn(image, QRect(20, Baseline - 20, 25, 12)));
}

TEST(SegmentGraph, SegmentWidthIsCappedAt100AndFlooredAt30)
{
    const struct
    {
        int segments;
        int width;
        int p;
    } cases[] = {{1, 1000, 100}, {10, 1000, 95}, {1000, 1000, 30}, {2, 60, 30}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.segments);
        SessionGrid cells = segments(PulsedSession, {{"1:00.0", "20.0"}});
        cells.setColumnCount(c.segments);
        for (int column = 1; column < c.segments; ++column)
            cells.setColumn(column, cells.column(0));
        const GraphDrawing drawing = drawGraph(cells, GraphKind::Segment, u"s"_s, 0, c.width, Height);
        ASSERT_EQ(drawing.bitmap.width(), c.segments * c.p + 1);
        EXPECT_EQ(drawing.scrollRange, c.segments * c.p + 50);
        for (int n : {1, c.segments}) {
            EXPECT_EQ(drawing.bitmap.pixel(n * c.p, Baseline - 5), Black) << n;
            EXPECT_EQ(drawing.bitmap.pixel(n * c.p - c.p / 4, yOf("20.0")), Black) << n;
        }
        if (c.segments > 1) {
            EXPECT_EQ(drawing.bitmap.pixel(c.p + c.p / 4, Baseline - 5), Aqua);
        }
    }
}

TEST(TimeGraph, MinutesAndTickStepFollowTheTotal)
{
    const struct
    {
        int segmentsOfTenMinutes;
        int width;
        int minutes;
        int step;
        QList<int> tickXs;
        QList<int> plainXs;
    } cases[] = {
        // 30 minutes: M = 35, K = 30, a tick every 5 minutes.
        {3, 1050, 35, 5, {150, 300, 450, 600, 750, 900}, {75, 225}},
        // 40 minutes: M = 45, K = 30, a tick every 10 minutes.
        {4, 1350, 45, 10, {300, 600, 900, 1200}, {150, 450, 750}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.minutes);
        SessionGrid cells = segments(PulsedSession, {{"10:00.0", "7.83"}});
        cells.setColumnCount(c.segmentsOfTenMinutes);
        for (int column = 1; column < c.segmentsOfTenMinutes; ++column)
            cells.setColumn(column, cells.column(0));
        const int total = computeTimingSummary(cells, 1).totalSeconds;
        const TimeScale scale(total, c.width);
        EXPECT_EQ(scale.minutes, c.minutes);
        EXPECT_EQ(scale.tickStep, c.step);
        EXPECT_EQ(scale.pixelsPerMinute, 30);

        const GraphDrawing drawing = timeGraph(cells, c.width);
        EXPECT_EQ(drawing.caption, u"Time Graph of [t]"_s);
        ASSERT_EQ(drawing.bitmap.width(), c.segmentsOfTenMinutes * 300 + 1);
        EXPECT_EQ(drawing.scrollRange, c.segmentsOfTenMinutes * 300);
        for (int x : c.tickXs) {
            EXPECT_EQ(drawing.bitmap.pixel(x, Baseline - 10), Black) << x;
            EXPECT_EQ(drawing.bitmap.pixel(x, Baseline - 12), Aqua) << x;
            EXPECT_TRUE(anyBlackIn(drawing.bitmap, QRect(x - 20, Baseline - 20, 20, 12))) << x; // minute label
        }
        for (int x : c.plainXs)
            EXPECT_EQ(drawing.bitmap.pixel(x, Baseline - 5), Aqua) << x;
    }
}

TEST(TimeGraph, AnEmptySegmentStillGetsOnePixel)
{
    // 2 minutes: M = 7, K = 1000 / 7 = 142.
    const SessionGrid cells = segments(PulsedSession, {{"1:00.0", "7.83"}, {"0:00.0", "20.0"}, {"1:00.0", "7.83"}});
    const GraphDrawing drawing = timeGraph(cells, 1000);
    ASSERT_EQ(drawing.bitmap.width(), 142 + 1 + 142 + 1);
    EXPECT_EQ(drawing.bitmap.pixel(142, yOf("20.0")), Black);
    EXPECT_EQ(drawing.bitmap.pixel(143, yOf("20.0")), Black);
    EXPECT_EQ(drawing.bitmap.pixel(200, yOf("7.83")), Black);
}

TEST(Graphs, LoopsArePlayedOutInTheTimeGraphOnly)
{
    const char *frequencies[] = {"5.0", "10.0", "20.0", "30.0", "40.0"};
    const struct
    {
        const char *name;
        SessionGrid cells;
        QList<int> timeOrder; // segments as the time graph plays them
    } cases[] = {
        {"three segments twice",
         segments(PulsedSession, {{"1:00.0", "5.0"},
                                  {"1:00.0", "10.0", "3", "2"},
                                  {"1:00.0", "20.0", "0", "2"},
                                  {"1:00.0", "30.0", "0", "2"},
                                  {"1:00.0", "40.0"}}),
         {1, 2, 3, 4, 2, 3, 4, 5}},
        {"loop settings inside a loop are ignored",
         segments(PulsedSession, {{"1:00.0", "5.0"},
                                  {"1:00.0", "10.0", "3", "2"},
                                  {"1:00.0", "20.0", "2", "3"},
                                  {"1:00.0", "30.0", "0", "2"},
                                  {"1:00.0", "40.0"}}),
         {1, 2, 3, 4, 2, 3, 4, 5}},
        {"a loop beyond the last segment ends with the session",
         segments(PulsedSession, {{"1:00.0", "5.0"},
                                  {"1:00.0", "10.0"},
                                  {"1:00.0", "20.0"},
                                  {"1:00.0", "30.0", "3", "2"},
                                  {"1:00.0", "40.0", "0", "2"}}),
         {1, 2, 3, 4, 5}},
        {"a corrupt pass count plays the loop once",
         segments(PulsedSession, {{"1:00.0", "5.0"},
                                  {"1:00.0", "10.0", "2", "0"},
                                  {"1:00.0", "20.0", "0", "0"},
                                  {"1:00.0", "30.0", "1", "-3"},
                                  {"1:00.0", "40.0"}}),
         {1, 2, 3, 4, 5}},
        {"the lowest pass count a file can hold plays the loop once",
         segments(PulsedSession, {{"1:00.0", "5.0"},
                                  {"1:00.0", "10.0", "1", "-2147483648"},
                                  {"1:00.0", "20.0"},
                                  {"1:00.0", "30.0"},
                                  {"1:00.0", "40.0"}}),
         {1, 2, 3, 4, 5}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        // One minute per played segment plus five: K = 100 for W = 100 * M.
        const int played = int(c.timeOrder.size());
        const GraphDrawing time = timeGraph(c.cells, 100 * (played + 5), 60 * played);
        ASSERT_EQ(time.bitmap.width(), 100 * int(c.timeOrder.size()) + 1);
        for (int k = 0; k < c.timeOrder.size(); ++k)
            EXPECT_EQ(time.bitmap.pixel(100 * k + 50, yOf(frequencies[c.timeOrder[k] - 1])), Black) << k;

        const GraphDrawing bySegment = drawGraph(c.cells, GraphKind::Segment, u"s"_s, 0, 1000, Height);
        ASSERT_EQ(bySegment.bitmap.width(), 5 * 100 + 1);
        for (int n = 1; n <= 5; ++n)
            EXPECT_EQ(bySegment.bitmap.pixel(100 * n - 50, yOf(frequencies[n - 1])), Black) << n;
    }
}

TEST(Graphs, DbbRampStartsAtTheSegmentDrawnJustBefore)
{
    // Played: 1 (0 -> 10 Hz), 2 (10 -> 20), 3 (5), 2 again (5 -> 20), 3 (5), 4 (5 -> 30).
    const SessionGrid cells = segments(DualBinauralSession, {{"1:00.0", "10.0", "0", "0", "ramp"},
                                                            {"1:00.0", "20.0", "2", "2", "ramp"},
                                                            {"1:00.0", "5.0", "0", "2", "jump"},
                                                            {"1:00.0", "30.0", "0", "0", "ramp"}});
    // 6 minutes: M = 11, K = 100. Each line is checked at its middle, where
    // a ramp from any other start would pass elsewhere.
    const auto middle = [](const char *from, const char *to) { return (yOf(from) + yOf(to)) / 2; };
    const GraphDrawing time = timeGraph(cells, 1100);
    ASSERT_EQ(time.bitmap.width(), 601);
    const QPoint timePoints[] = {{50, middle("0", "10.0")},  {150, middle("10.0", "20.0")}, {250, yOf("5.0")},
                                 {350, middle("5.0", "20.0")}, {450, yOf("5.0")},           {550, middle("5.0", "30.0")}};
    for (const QPoint &point : timePoints)
        EXPECT_TRUE(blackNear(time.bitmap, point.x(), point.y())) << point.x();

    // By segments nothing repeats: segment 4 ramps from segment 3's 5 Hz.
    const GraphDrawing bySegment = drawGraph(cells, GraphKind::Segment, u"s"_s, 0, 450, Height);
    ASSERT_EQ(bySegment.bitmap.width(), 4 * 100 + 1);
    const QPoint segmentPoints[] = {{50, middle("0", "10.0")}, {150, middle("10.0", "20.0")}, {250, yOf("5.0")},
                                    {350, middle("5.0", "30.0")}};
    for (const QPoint &point : segmentPoints)
        EXPECT_TRUE(blackNear(bySegment.bitmap, point.x(), point.y())) << point.x();
}

TEST(TimeGraph, ATextThatIsNotANumberStopsTheDrawing)
{
    const struct
    {
        int column;
        int row;
        QString text;
    } cases[] = {{1, 1, u"1:x0.0"_s}, {1, 1, u"100"_s}, {0, 13, u"two"_s}, {0, 13, QString()}, {0, 14, u"2x"_s}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        SessionGrid cells = segments(PulsedSession, {{"1:00.0", "7.83", "1", "2"}, {"1:00.0", "20.0"}});
        cells.setCell(c.column, c.row, c.text);
        const GraphDrawing time = timeGraph(cells, 1000);
        EXPECT_TRUE(time.error.endsWith(u"is not a valid integer value"_s)) << time.error;
        EXPECT_TRUE(time.bitmap.isNull());
        EXPECT_TRUE(time.caption.isEmpty());
        // The segment graph reads neither times nor loops.
        const GraphDrawing bySegment = drawGraph(cells, GraphKind::Segment, u"s"_s, 0, 1000, Height);
        EXPECT_TRUE(bySegment.error.isEmpty());
        EXPECT_FALSE(bySegment.bitmap.isNull());
    }
}

TEST(GraphCanvas, PaintingInStripsGivesTheSamePicture)
{
    const GraphGeometry geometry(1000, Height);
    GraphCanvas canvas(geometry, 3001);
    for (int n = 0; n < 100; ++n) {
        canvas.line(n * 30, (n * 37) % 400, n * 30 + 30, (n * 91) % 420 - 5);
        canvas.text(n * 30 - 7, Baseline - 20, QString::number(n * 1001));
    }
    canvas.line(-50, 10, 3050, 400);
    canvas.line(100, -1000000, 130, 300); // a frequency far above 42 Hz
    const QImage whole = canvas.paint(3001);
    ASSERT_FALSE(whole.isNull());
    EXPECT_EQ(whole.format(), QImage::Format_Indexed8);
    for (int stripWidth : {1, 64, 1000, 1024}) {
        const QImage strips = canvas.paint(stripWidth);
        int differing = 0;
        for (int y = 0; y < whole.height(); ++y) {
            for (int x = 0; x < whole.width(); ++x)
                differing += whole.pixelIndex(x, y) != strips.pixelIndex(x, y);
        }
        EXPECT_EQ(differing, 0) << stripWidth;
    }
}

TEST(TimeGraph, ThePlayCursorLiesWhereTheGraphDrawsThatMoment)
{
    // Five minutes, a loop of segments 2 and 3 played twice: seven minutes, K = 100.
    const SessionGrid cells = segments(PulsedSession, {{"1:00.0", "5.0"},
                                                      {"1:00.0", "10.0", "2", "2"},
                                                      {"0:30.0", "20.0", "0", "2"},
                                                      {"0:00.0", "30.0"},
                                                      {"1:00.0", "40.0"}});
    const int width = 100 * (5 + 5);
    const GraphDrawing drawing = timeGraph(cells, width, 300);
    const struct
    {
        double seconds;
        int x;
    } cases[] = {{0, 0}, {30, 50}, {90, 150}, {150, 250}, {195, 325}, {241, 402}, {270, 451}, {400, 501}};
    for (const auto &c : cases) {
        const int x = timeGraphX(cells, 300, width, c.seconds);
        EXPECT_EQ(x, c.x) << c.seconds;
        EXPECT_LT(x, drawing.bitmap.width()) << c.seconds;
    }
}

#include "core/session/TimingPanel.h"
#include "TestSupport.h"
#include "core/session/ConversionError.h"
#include "core/session/TimingSummary.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {
void startLoop(Session &session, int firstColumn, int length, int times)
{
    session.cells.setCell(firstColumn, LoopSegsRow, QString::number(length));
    for (int c = firstColumn; c < firstColumn + length; ++c)
        session.cells.setCell(c, LoopTimesRow, QString::number(times));
}
} // namespace

TEST(TimingSummary, OneSegmentOfAMinute)
{
    const Session session = sessionWithTimes(PulsedSession, {"1:00.0"});
    const TimingSummary summary = computeTimingSummary(session.cells, 1);
    EXPECT_EQ(summary.lines, (QStringList{u"Segment 1 start time 0:0"_s, u"Session total time 1:0"_s}));
    EXPECT_EQ(summary.totalSeconds, 60);
}

TEST(TimingSummary, HalfSecondsAddUpAndTheLastHalfIsDropped)
{
    const Session session = sessionWithTimes(PulsedSession, {"0:00.5", "0:00.5", "0:00.5"});
    const TimingSummary summary = computeTimingSummary(session.cells, 3);
    EXPECT_EQ(summary.lines, (QStringList{u"Segment 3 start time 0:1"_s, u"Session total time 0:1"_s}));
    EXPECT_EQ(summary.totalSeconds, 1);
}

TEST(TimingSummary, LoopRepeatsCountAtTheLoopsLastSegment)
{
    Session session = sessionWithTimes(PulsedSession, {"0:10.0", "0:20.0", "0:30.0", "0:05.0"});
    startLoop(session, 1, 2, 3);
    const struct
    {
        int segment;
        const char *firstLine;
    } cases[] = {
        {1, "Segment 1 start time 0:0"},
        {2, "Segment 2 start time 0:10"},
        {3, "Segment 3 start time 0:30"}, // first pass of the loop
        {4, "Segment 4 start time 2:40"}, // after all three passes
    };
    for (const auto &c : cases) {
        const TimingSummary summary = computeTimingSummary(session.cells, c.segment);
        EXPECT_EQ(summary.lines.at(0), QString::fromLatin1(c.firstLine));
        EXPECT_EQ(summary.lines.at(1), u"Session total time 2:45"_s);
        EXPECT_EQ(summary.totalSeconds, 165);
    }
}

TEST(TimingSummary, TwoLoopsAndALoopAtSegmentOne)
{
    Session session = sessionWithTimes(PulsedSession, {"0:01.0", "0:02.0", "0:03.0", "0:04.0", "0:05.0"});
    startLoop(session, 0, 2, 2);  // (1 + 2) * 2 = 6 s
    startLoop(session, 2, 2, 15); // (3 + 4) * 15 = 105 s
    const TimingSummary summary = computeTimingSummary(session.cells, 5);
    EXPECT_EQ(summary.lines.at(0), u"Segment 5 start time 1:51"_s);
    EXPECT_EQ(summary.totalSeconds, 116);
}

TEST(TimingSummary, SegmentBeyondTheEndPutsTheTotalFirst)
{
    const Session session = sessionWithTimes(PulsedSession, {"1:05.0", "10:00.0"});
    for (int s : {0, 3, 1001}) {
        const TimingSummary summary = computeTimingSummary(session.cells, s);
        EXPECT_EQ(summary.lines, (QStringList{u"Session total time 11:5"_s, QString()})) << s;
    }
}

TEST(TimingSummary, NotANumberStopsWithWhatWasWritten)
{
    const struct
    {
        int row;
        const char *text;
    } faults[] = {{1, "1:00"}, {1, "100.0"}, {1, "a:00.0"}, {13, "x"}};
    for (const auto &fault : faults) {
        Session session = sessionWithTimes(PulsedSession, {"1:00.0", "1:00.0", "1:00.0"});
        session.cells.setCell(2, fault.row, QString::fromLatin1(fault.text));
        TimingPanel panel;
        panel.refresh(sessionWithTimes(PulsedSession, {"0:42.0"}).cells, 1); // the total of an earlier refresh
        QSignalSpy shown(&panel, &TimingPanel::changed);
        EXPECT_THROW(panel.refresh(session.cells, 1), ConversionError) << fault.text;
        EXPECT_EQ(panel.lines(), (QStringList{u"Segment 1 start time 0:0"_s, QString()}));
        EXPECT_EQ(panel.totalSeconds(), 42);
        EXPECT_EQ(shown.count(), 1); // shown again, with the lines written so far
    }
}

TEST(TimingSummary, LoopTimesAreReadOnlyAtALoopStart)
{
    Session session = sessionWithTimes(PulsedSession, {"1:00.0", "1:00.0"});
    session.cells.setCell(1, LoopTimesRow, u"junk"_s);
    EXPECT_TRUE(computeTimingSummary(session.cells, 1).error.isEmpty());
}

TEST(TimingSummary, UpdateWritesThePanelAndTheTotal)
{
    Session session = sessionWithTimes(DualBinauralSession, {"2:30.0", "0:15.0"});
    TimingPanel panel;
    QSignalSpy shown(&panel, &TimingPanel::changed);
    panel.refresh(session.cells, 2);
    EXPECT_EQ(panel.lines(), (QStringList{u"Segment 2 start time 2:30"_s, u"Session total time 2:45"_s}));
    EXPECT_EQ(panel.totalSeconds(), 165);
    EXPECT_EQ(shown.count(), 1);
}

TEST(TimingSummary, ALoopPlayedLessThanOnceFromAFileAddsNoNegativeTime)
{
    for (const char *times : {"0", "1", "-4"}) {
        Session session = sessionWithTimes(PulsedSession, {"0:10.0", "0:20.0", "0:30.0"});
        session.cells.setCell(0, LoopSegsRow, u"2"_s);
        session.cells.setCell(0, LoopTimesRow, QString::fromLatin1(times));
        session.cells.setCell(1, LoopTimesRow, QString::fromLatin1(times));
        EXPECT_EQ(computeTimingSummary(session.cells, 1).totalSeconds, 60) << times;
    }
}

TEST(TimingSummary, LoopCountsFromAFilePlayAtMostFifteenTimes)
{
    const struct
    {
        const char *loopTimes;
        const char *secondStart;
        int totalSeconds;
    } cases[] = {{"2147483647", "150:0", 9600}, {"16", "150:0", 9600}, {"-2147483648", "10:0", 1200}};
    for (const auto &c : cases) {
        Session session = sessionWithTimes(PulsedSession, {"10:00.0", "10:00.0"});
        session.cells.setCell(0, LoopSegsRow, u"1"_s);
        session.cells.setCell(0, LoopTimesRow, QString::fromLatin1(c.loopTimes));
        const TimingSummary summary = computeTimingSummary(session.cells, 2);
        EXPECT_EQ(summary.lines.at(0), u"Segment 2 start time %1"_s.arg(QLatin1String(c.secondStart))) << c.loopTimes;
        EXPECT_EQ(summary.totalSeconds, c.totalSeconds) << c.loopTimes;
    }
}

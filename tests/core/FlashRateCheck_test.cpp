// The light's flash rates in the session check: a warning per segment at 15
// to 25 Hz, a note of the session's time at 3 to 30 Hz.
#include "DefaultSegments.h"

#include "core/check/FlashRateCheck.h"
#include "core/check/SessionCheck.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {
QString warning(const char *hertz, const char *time, int segment)
{
    return u"Light flashes at %1 Hz for %2 in segment %3: the range most likely to provoke seizures in people with "
           u"photosensitive epilepsy"_s.arg(QString::fromUtf8(hertz), QLatin1String(time)).arg(segment);
}

QString note(const char *time)
{
    return u"The light flashes at 3 to 30 Hz, the range that can provoke seizures, for %1 of the session"_s.arg(
        QLatin1String(time));
}

QStringList findings(const Session &session)
{
    QStringList texts;
    for (const SessionProblem &problem : flashRateFindings(session))
        texts.append(problem.text);
    return texts;
}
} // namespace

// Segment 1 flashes at 20 Hz; segment 2 as each case says.
TEST(FlashRateCheck, BandEdgesRampsDarknessAndDualBeats)
{
    const struct
    {
        const char *name;
        SessionKind kind;
        CellChanges second; // segment 2's cells
        QStringList expected;
    } cases[] = {
        {"2.5 Hz is below the range", PulsedSession, {{StartFreqRow, u"2.5"_s}}, {warning("20", "1:00", 1), note("1:00")}},
        {"3.0 Hz is inside", PulsedSession, {{StartFreqRow, u"3.0"_s}}, {warning("20", "1:00", 1), note("2:00")}},
        {"14.0 Hz is short of the peak", PulsedSession, {{StartFreqRow, u"14.0"_s}},
         {warning("20", "1:00", 1), note("2:00")}},
        {"15.0 Hz is in the peak", PulsedSession, {{StartFreqRow, u"15.0"_s}},
         {warning("20", "1:00", 1), warning("15", "1:00", 2), note("2:00")}},
        {"24.0 Hz is in the peak", PulsedSession, {{StartFreqRow, u"24.0"_s}},
         {warning("20", "1:00", 1), warning("24", "1:00", 2), note("2:00")}},
        {"26.0 Hz is past the peak", PulsedSession, {{StartFreqRow, u"26.0"_s}}, {warning("20", "1:00", 1), note("2:00")}},
        {"30.0 Hz is inside", PulsedSession, {{StartFreqRow, u"30.0"_s}}, {warning("20", "1:00", 1), note("2:00")}},
        {"32.0 Hz is above the range", PulsedSession, {{StartFreqRow, u"32.0"_s}}, {warning("20", "1:00", 1), note("1:00")}},
        {"a ramp through the peak", PulsedSession, {{StartFreqRow, u"10.0"_s}, {TargetFreqRow, u"30.00"_s}},
         {warning("20", "1:00", 1), warning("15\u201325", "0:30", 2), note("2:00")}},
        {"no light at the lowest intensity", PulsedSession, {{IntensityRow, u"0"_s}},
         {warning("20", "1:00", 1), note("1:00")}},
        {"either dual beat", DualBinauralSession, {{Freq1Row, u"7.83"_s}, {Freq2Row, u"24.0"_s}, {DbbRampRow, u"jump"_s}},
         {warning("20", "1:00", 1), warning("24", "1:00", 2), note("2:00")}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        CellChanges first{{StartFreqRow, u"20.0"_s}};
        if (c.kind == DualBinauralSession)
            first.insert(first.end(), {{Freq2Row, u"7.83"_s}, {DbbRampRow, u"jump"_s}});
        Session session = sessionOfDefaultSegments(c.kind, 2, first);
        for (const auto &[row, text] : c.second)
            session.cells.setCell(1, row, text);
        EXPECT_EQ(findings(session), c.expected);
    }
    EXPECT_TRUE(findings(sessionOfDefaultSegments(PulsedSession, 2, {{StartFreqRow, u"10.0"_s}})).isEmpty());
    // The finding points at the beat that flashes there.
    EXPECT_EQ(flashRateFindings(sessionOfDefaultSegments(DualBinauralSession, 1)).first().row, Freq2Row);
}

TEST(FlashRateCheck, EveryRepeatCountsAndTheFindingsFollowTheCheck)
{
    // Segment 2 alone is a loop played three times.
    Session session = sessionOfDefaultSegments(PulsedSession, 3, {{StartFreqRow, u"20.0"_s}});
    session.cells.setCell(1, LoopSegsRow, u"1"_s);
    session.cells.setCell(1, LoopTimesRow, u"3"_s);
    EXPECT_EQ(findings(session),
              (QStringList{warning("20", "1:00", 1), warning("20", "3:00", 2), warning("20", "1:00", 3), note("5:00")}));

    const QList<SessionProblem> checked = checkSession(session);
    ASSERT_EQ(checked.size(), 4);
    EXPECT_EQ(checked.first(), (SessionProblem{SessionProblem::Warning, 1, StartFreqRow, warning("20", "1:00", 1)}));
    EXPECT_EQ(checked.last().severity, SessionProblem::Note);
    EXPECT_EQ(problemSummary(checked), u"3 warnings"_s);
    EXPECT_EQ(problemSummary({checked.last()}), u"No problems"_s);
}

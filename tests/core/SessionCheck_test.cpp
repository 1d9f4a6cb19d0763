#include "DefaultSegments.h"
#include "ScriptedPrompter.h"
#include "TestSupport.h"

#include "core/compiler/SegmentEncoder.h"
#include "core/device/DeviceInfo.h"
#include "core/check/FlashRateCheck.h"
#include "core/check/SessionCheck.h"
#include "core/session/ConversionError.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {
struct Cell
{
    int segment;
    int row;
    QString text;
};

// Where a problem lies and how bad it is; its text must be the encoder's.
struct Expected
{
    SessionProblem::Severity severity;
    int segment;
    int row;
};
constexpr auto E = SessionProblem::Error;
constexpr auto W = SessionProblem::Warning;

// What a download would show, in order: the encoder's messages, ending with
// the conversion error that stops it.
QStringList encoderMessages(const Session &session)
{
    ScriptedPrompter prompter;
    try {
        encodeSession(session, prompter, session.cells.columnCount());
    } catch (const ConversionError &error) {
        prompter.errors.append(error.message());
    }
    return prompter.errors;
}

QStringList texts(const QList<SessionProblem> &problems)
{
    QStringList list;
    for (const SessionProblem &problem : problems)
        list.append(problem.text);
    return list;
}
} // namespace

// The check names what the encoder names, in its order; where the encoder
// stops (a refusal, a text that is not a number) the check goes on.
TEST(SessionCheck, ReportsTheEncodersMessagesInItsOrder)
{
    const struct {
        const char *what;
        SessionKind kind;
        int segments;
        std::vector<Cell> cells;
        std::vector<Expected> expected;
        int encoderStopsAfter; // problems the encoder reports; -1 for all
    } cases[] = {
        {"valid pulsed", PulsedSession, 3, {}, {}, -1},
        {"valid dual", DualBinauralSession, 3, {}, {}, -1},
        {"pulsed faults",
         PulsedSession,
         4,
         {{1, 2, u"bbS"_s}, {2, 2, u"xyz"_s}, {3, 7, u"IRH"_s}, {3, 8, u"abc"_s}, {4, 2, u"PCh"_s}, {4, 6, u"10"_s}},
         {{W, 1, 2}, {E, 2, 2}, {E, 3, 7}, {E, 3, 8}, {E, 4, 6}},
         -1},
        {"dual faults",
         DualBinauralSession,
         3,
         {{1, 2, u"PFr"_s}, {2, 6, u"r0"_s}, {2, 12, u"x"_s}, {3, 3, u"1,5"_s}, {3, 2, u"zz"_s}},
         {{W, 1, 2}, {E, 2, 6}, {E, 2, 12}, {E, 3, 3}, {E, 3, 2}, {W, 3, 2}},
         -1},
        {"time not a number", PulsedSession, 3, {{2, 1, u"x:00.0"_s}, {3, 2, u"xx"_s}}, {{E, 2, 1}, {E, 3, 2}}, 1},
        {"loop not a number", DualBinauralSession, 2, {{1, 13, u"2"_s}, {1, 14, u"many"_s}, {2, 11, u"?"_s}},
         {{E, 1, 14}, {E, 2, 11}}, 1},
        {"too long", DualBinauralSession, 251, {{251, 7, u"IN"_s}}, {{E, 0, 0}, {E, 251, 7}}, 1},
    };
    for (const auto &c : cases) {
        Session session = sessionOfDefaultSegments(c.kind, c.segments);
        for (const Cell &cell : c.cells)
            session.cells.setCell(cell.segment - 1, cell.row, cell.text);
        // The light's findings follow, checked on their own.
        QList<SessionProblem> problems = checkSession(session);
        problems.resize(problems.size() - flashRateFindings(session).size());
        const QStringList shown = encoderMessages(session);
        const qsizetype compared = c.encoderStopsAfter < 0 ? problems.size() : c.encoderStopsAfter;
        EXPECT_EQ(texts(problems).mid(0, compared), shown) << c.what;
        ASSERT_EQ(size_t(problems.size()), c.expected.size()) << c.what << texts(problems).join(u'|');
        for (size_t i = 0; i < c.expected.size(); ++i) {
            const SessionProblem &problem = problems.at(qsizetype(i));
            EXPECT_EQ(problem.severity, c.expected[i].severity) << c.what << " " << problem.text;
            EXPECT_EQ(problem.segment, c.expected[i].segment) << c.what << " " << problem.text;
            EXPECT_EQ(problem.row, c.expected[i].row) << c.what << " " << problem.text;
        }
    }
}

TEST(SessionCheck, WarnsOfLoopsTheEditorNeverMakes)
{
    const struct {
        std::vector<Cell> loops;
        QStringList warnings;
    } cases[] = {
        {{{1, 13, u"2"_s}, {4, 13, u"1"_s}}, {}},
        {{{1, 13, u"3"_s}, {3, 13, u"2"_s}},
         {u"Loop at segment 1 overlaps the loop at segment 3"_s}},
        {{{4, 13, u"3"_s}}, {u"Loop at segment 4 runs past the last segment"_s}},
        {{{2, 13, u"9"_s}, {3, 13, u"1"_s}},
         {u"Loop at segment 2 overlaps the loop at segment 3"_s, u"Loop at segment 2 runs past the last segment"_s}},
        // The device reads four bits of each count: its loop would differ.
        {{{2, 13, u"-4"_s}, {3, 13, u"1"_s}}, {u"Loop at segment 2 is -4 segments long; the device takes 0 to 15"_s}},
        {{{1, 13, u"2"_s}, {1, 14, u"16"_s}}, {u"Loop at segment 1 repeats 16 times; the device takes 0 to 15"_s}},
        {{{3, 13, u"0"_s}, {3, 14, u"99"_s}}, {}},
    };
    for (const auto &c : cases) {
        Session session = sessionOfDefaultSegments(PulsedSession, 5, {{LoopTimesRow, u"2"_s}});
        for (const Cell &cell : c.loops)
            session.cells.setCell(cell.segment - 1, cell.row, cell.text);
        const QList<SessionProblem> problems = checkSession(session);
        EXPECT_EQ(texts(problems), c.warnings);
        for (const SessionProblem &problem : problems)
            EXPECT_EQ(problem.severity, SessionProblem::Warning) << problem.text;
    }
}

// Only a device identified in this run has told its room; an append it would
// refuse is a warning, since a clear download makes no such check.
TEST(SessionCheck, WarnsOfAnAppendTheIdentifiedDeviceWouldRefuse)
{
    const struct {
        int sessions;
        int segments;
        QStringList warnings;
    } cases[] = {
        {1, 3, {}},
        {0, 3, {u"System has max sessions downloaded"_s}},
        {5, 2, {u"Download capacity of 2 segments exceeded"_s}},
        {0, 0, {u"Download capacity of 0 segments exceeded"_s, u"System has max sessions downloaded"_s}},
    };
    Session session = sessionOfDefaultSegments(PulsedSession, 3);
    session.cells.setCell(0, ToneRow, u"bbS"_s);
    for (const auto &c : cases) {
        DeviceInfo device;
        device.sessionsAvailable = c.sessions;
        device.segmentsAvailable = c.segments;
        const QList<SessionProblem> problems = checkSession(session, &device);
        EXPECT_EQ(texts(problems), QStringList{u"Tone group change segment 1"_s} + c.warnings);
        EXPECT_EQ(problems.back().severity, SessionProblem::Warning);
    }
    EXPECT_EQ(checkSession(session).size(), 1);
}

// The device plays the level list's nearest entry: "5" is off.
TEST(SessionCheck, WarnsOfASessionSilentOrDarkFromStartToEnd)
{
    const QString silent = u"The session is silent from start to end: every segment's Volume is 0"_s;
    const QString dark = u"The session is dark from start to end: every segment's Intensity is 0"_s;
    const struct {
        const char *what;
        SessionKind kind;
        CellChanges everywhere;
        std::vector<Cell> cells;
        QStringList warnings;
    } cases[] = {
        {"sound and light", PulsedSession, {}, {}, {}},
        {"silent", PulsedSession, {{VolumeRow, u"0"_s}}, {}, {silent}},
        {"dark", DualBinauralSession, {{IntensityRow, u"0"_s}}, {}, {dark}},
        {"both", PulsedSession, {{VolumeRow, u"0"_s}, {IntensityRow, u"0"_s}}, {}, {silent, dark}},
        {"one segment sounds", PulsedSession, {{VolumeRow, u"0"_s}, {IntensityRow, u"0"_s}},
         {{3, VolumeRow, u"14"_s}}, {dark}},
        {"levels the device plays as 0", DualBinauralSession, {{VolumeRow, u"5"_s}, {IntensityRow, u"6.5"_s}}, {},
         {silent, dark}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        Session session = sessionOfDefaultSegments(c.kind, 3, c.everywhere);
        for (const Cell &cell : c.cells)
            session.cells.setCell(cell.segment - 1, cell.row, cell.text);
        const QList<SessionProblem> problems = checkSession(session);
        QList<SessionProblem> expected;
        for (const QString &warning : c.warnings)
            expected.append({SessionProblem::Warning, 0, 0, warning});
        EXPECT_EQ(problems.mid(0, expected.size()), expected);
        EXPECT_EQ(problems.size() - flashRateFindings(session).size(), expected.size());
    }
    // A text that is not a number is the encoder's error, not silence.
    const QList<SessionProblem> problems =
        checkSession(sessionOfDefaultSegments(PulsedSession, 1, {{VolumeRow, u"loud"_s}}));
    ASSERT_FALSE(problems.isEmpty());
    EXPECT_EQ(problems.first().severity, SessionProblem::Error);
    EXPECT_FALSE(texts(problems).contains(silent));
}

TEST(SessionCheck, SummaryCountsErrorsAndWarnings)
{
    const SessionProblem error{SessionProblem::Error, 1, 2, u"e"_s};
    const SessionProblem warning{SessionProblem::Warning, 1, 2, u"w"_s};
    EXPECT_EQ(problemSummary({}), u"No problems"_s);
    EXPECT_EQ(problemSummary({error}), u"1 error"_s);
    EXPECT_EQ(problemSummary({warning, warning}), u"2 warnings"_s);
    EXPECT_EQ(problemSummary({error, warning, error}), u"2 errors, 1 warning"_s);
}

#include "DefaultSegments.h"
#include "EditingFixtures.h"
#include "RecordingView.h"
#include "ScriptedPrompter.h"
#include "TestSupport.h"

#include "core/session/SessionContext.h"
#include "core/session/SessionDocument.h"
#include "core/session/ValueStepping.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {
constexpr std::optional<const char *> Cancel = std::nullopt;

struct LoopCase
{
    const char *name;
    int segments;
    std::vector<std::array<int, 3>> loops; // first column, length, count
    int column;
    int row;                            // LoopSegsRow or LoopTimesRow
    std::optional<const char *> entry;  // what is typed; Cancel for the Cancel button
    bool asks;                          // the input box shows
    const char *loopSegs;               // Loop Segs of every segment afterwards, one character each
    const char *loopTimes;              // Loop Times, one character each ("F" = 15, "5" = 5)
    std::vector<const char *> errors;
};

// Loop Segs and Loop Times written one character a segment: digits, "F" for 15.
QStringList expand(const char *compact)
{
    QStringList texts;
    for (const char *c = compact; *c; ++c)
        texts.append(*c == 'F' ? u"15"_s : QString(QChar::fromLatin1(*c)));
    return texts;
}

QStringList row(const SessionGrid &cells, int r)
{
    QStringList texts;
    for (int column = 0; column < cells.columnCount(); ++column)
        texts.append(cells.cell(column, r));
    return texts;
}

const LoopCase loopCases[] = {
    {"NewLoopOfThree", 5, {}, 1, LoopSegsRow, "3", true, "03000", "02220", {}},
    {"NewLoopReachingLastSegment", 5, {}, 1, LoopSegsRow, "4", true, "00000", "00000", {"Loop includes last segment"}},
    {"TwentyCountsAsFifteen", 5, {}, 1, LoopSegsRow, "20", true, "00000", "00000", {"Loop includes last segment"}},
    {"HugeCountsAsFifteen", 5, {}, 1, LoopSegsRow, "99999999999", true, "00000", "00000",
     {"Loop includes last segment"}},
    {"NegativeCountsAsZero", 5, {{1, 3, 2}}, 1, LoopSegsRow, "-3", true, "00000", "00000", {}},
    {"NotANumberRemovesLoop", 5, {{1, 3, 2}}, 1, LoopSegsRow, "x", true, "00000", "00000", {"Integer 0-15 needed"}},
    {"EmptyRemovesLoop", 5, {{1, 3, 2}}, 1, LoopSegsRow, "", true, "00000", "00000", {}},
    {"CancelKeepsLoop", 5, {{1, 3, 4}}, 1, LoopSegsRow, Cancel, true, "03000", "04440", {}},
    {"Shrink", 5, {{1, 3, 4}}, 1, LoopSegsRow, "1", true, "01000", "04000", {}},
    {"GrowKeepsCount", 6, {{1, 2, 5}}, 1, LoopSegsRow, "3", true, "030000", "055500", {}},
    {"LoopAtSegmentOne", 5, {}, 0, LoopSegsRow, " 2 ", true, "20000", "22000", {}},
    {"InsideExistingLoop", 5, {{1, 3, 2}}, 2, LoopSegsRow, Cancel, false, "03000", "02220", {"In Existing loop"}},
    {"OverlapWithNextLoop", 5, {{1, 3, 2}}, 0, LoopSegsRow, "4", true, "03000", "02220", {"Loop overlap"}},
    {"OneMessagePerOverlap", 7, {{1, 1, 2}, {3, 2, 3}}, 0, LoopSegsRow, "5", true, "0102000", "0203300",
     {"Loop overlap", "Loop overlap"}},
    {"TimesNotAtLoopStart", 5, {{1, 3, 2}}, 2, LoopTimesRow, Cancel, false, "03000", "02220", {"Not at loop start"}},
    {"TimesOutsideLoops", 5, {}, 2, LoopTimesRow, Cancel, false, "00000", "00000", {"Not at loop start"}},
    {"TimesOneGivesTwo", 5, {{1, 3, 7}}, 1, LoopTimesRow, "1", true, "03000", "02220", {}},
    {"TimesNinetyNineGivesFifteen", 5, {{1, 3, 2}}, 1, LoopTimesRow, "99", true, "03000", "0FFF0", {}},
    {"TimesFive", 5, {{1, 3, 2}}, 1, LoopTimesRow, "5", true, "03000", "05550", {}},
    {"TimesNotANumberKeepsCount", 5, {{1, 3, 4}}, 1, LoopTimesRow, "abc", true, "03000", "04440", {}},
    {"TimesEmptyKeepsCount", 5, {{1, 3, 4}}, 1, LoopTimesRow, "", true, "03000", "04440", {}},
    {"TimesCancelKeepsCount", 5, {{1, 3, 4}}, 1, LoopTimesRow, Cancel, true, "03000", "04440", {}},
};

class LoopEntryTest : public ::testing::TestWithParam<LoopCase>
{
};

// The loop rows are not stepped: either direction opens the dialog.
TEST_P(LoopEntryTest, KeepsLoopsConsistent)
{
    const LoopCase &c = GetParam();
    for (const StepDirection direction : {StepDirection::Up, StepDirection::Down}) {
        Session session = sessionOfDefaultSegments(PulsedSession, c.segments, {{TimeRow, u"0:10.0"_s}});
        for (const auto &loop : c.loops)
            putLoop(session.cells, loop[0], loop[1], loop[2]);
        const int initial = session.cells.cell(c.column, c.row).toInt();
        ScriptedPrompter prompter;
        SessionDocument document(session);
        RecordingView view(document);
        if (c.asks)
            prompter.answerInput(c.entry ? std::optional<QString>(QString::fromLatin1(*c.entry)) : std::nullopt);

        stepValue({document, prompter, view}, {c.column, c.row}, direction);

        EXPECT_EQ(row(document.cells(), 13), expand(c.loopSegs));
        EXPECT_EQ(row(document.cells(), 14), expand(c.loopTimes));
        QStringList errors;
        for (const char *e : c.errors)
            errors.append(QString::fromLatin1(e));
        EXPECT_EQ(prompter.errors, errors);
        EXPECT_EQ(sessionInvariantFault(document.cells()), QString());
        const QString caption = c.row == 13 ? u"Enter Loop Segments|Range 0-15|"_s : u"Enter Loop Times|Range 2-15|"_s;
        EXPECT_EQ(prompter.log.filter(u"input: "_s),
                  c.asks ? QStringList{u"input: "_s + caption + QString::number(initial)} : QStringList());
        // Refreshed for the segment after an answer, not after a refusal.
        EXPECT_EQ(view.timingChangedCount, c.asks ? 1 : 0);
        if (c.asks) {
            EXPECT_TRUE(view.timing().lines().first().startsWith(u"Segment %1 start time"_s.arg(c.column + 1)));
        }
        EXPECT_EQ(document.isModified(), 1);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, LoopEntryTest, ::testing::ValuesIn(loopCases),
                         [](const ::testing::TestParamInfo<LoopCase> &info) { return std::string(info.param.name); });
} // namespace

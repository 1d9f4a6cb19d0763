#include "DefaultSegments.h"
#include "EditingFixtures.h"
#include "RecordingView.h"
#include "ScriptedPrompter.h"

#include "core/session/SessionContext.h"
#include "core/session/SessionDocument.h"
#include "core/session/SplitSegment.h"
#include "core/session/ValueLists.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

TEST(SplitSegment, TimesComeFromTheListAndSumExactly)
{
    for (const QString &entry : ValueLists::HalfSecondList) {
        const int total = entry.toInt();
        for (int parts = 2; parts <= std::min(total, 40); ++parts) {
            SCOPED_TRACE(testing::Message() << total << " in " << parts);
            const auto times = splitTimes(total, parts);
            ASSERT_TRUE(times.has_value());
            ASSERT_EQ(times->size(), parts);
            int sum = 0;
            for (const int index : *times)
                sum += ValueLists::HalfSecondList.at(index).toInt();
            EXPECT_EQ(sum, total);
        }
    }
    const struct
    {
        int halfSeconds;
        int parts;
        QStringList times;
    } cases[] = {
        {1200, 4, {u"2:30.0"_s, u"2:30.0"_s, u"2:30.0"_s, u"2:30.0"_s}},
        {1200, 7, {u"1:30.0"_s, u"1:30.0"_s, u"1:30.0"_s, u"1:30.0"_s, u"1:30.0"_s, u"1:15.0"_s, u"1:15.0"_s}},
        {120, 3, {u"0:20.0"_s, u"0:20.0"_s, u"0:20.0"_s}},
    };
    for (const auto &c : cases) {
        QStringList texts;
        const QList<int> times = splitTimes(c.halfSeconds, c.parts).value();
        for (const int index : times)
            texts << ValueLists::TimeList.at(index);
        EXPECT_EQ(texts, c.times);
    }
    EXPECT_FALSE(splitTimes(3, 4).has_value());
}

namespace {
struct Splitting
{
    explicit Splitting(const Session &session)
        : document(session)
    {
    }
    SessionContext context() { return {document, prompter, view}; }
    QStringList row(int r) const
    {
        QStringList texts;
        for (int column = 0; column < document.cells().columnCount(); ++column)
            texts << document.cells().cell(column, r);
        return texts;
    }
    ScriptedPrompter prompter;
    SessionDocument document;
    RecordingView view{document};
};
} // namespace

TEST(SplitSegment, TheSegmentsGlideAsTheOneTheyReplace)
{
    Session session = sessionOfDefaultSegments(PulsedSession, 3);
    session.cells.setCell(1, TimeRow, u"10:00.0"_s);
    session.cells.setCell(1, StartFreqRow, u"14.0"_s);
    session.cells.setCell(1, TargetFreqRow, u"4.0"_s);
    Splitting splitting(session);
    splitting.prompter.answerInput(u"4"_s);
    splitSegment(splitting.context(), 1);
    EXPECT_EQ(splitting.row(TimeRow), QStringList({u"1:00.0"_s, u"2:30.0"_s, u"2:30.0"_s, u"2:30.0"_s, u"2:30.0"_s,
                                                   u"1:00.0"_s}));
    EXPECT_EQ(splitting.row(StartFreqRow),
              QStringList({u"7.83"_s, u"14.0"_s, u"11.0"_s, u"9.0"_s, u"6.5"_s, u"7.83"_s}));
    EXPECT_EQ(splitting.row(TargetFreqRow), QStringList({u""_s, u"11.0"_s, u"9.0"_s, u"6.5"_s, u"4.0"_s, u""_s}));
    EXPECT_EQ(splitting.document.undoCount(), 1);
    splitting.document.undo();
    EXPECT_EQ(splitting.document.cells(), session.cells);
}

TEST(SplitSegment, ARampingDualSegmentRampsAcrossItsParts)
{
    Session session = sessionOfDefaultSegments(DualBinauralSession, 2, {{Freq1Row, u"10.0"_s}});
    session.cells.setCell(1, Freq1Row, u"4.0"_s);
    session.cells.setCell(1, DbbRampRow, u"ramp"_s);
    Splitting splitting(session);
    splitting.prompter.answerInput(u"3"_s);
    splitSegment(splitting.context(), 1);
    EXPECT_EQ(splitting.row(Freq1Row), QStringList({u"10.0"_s, u"8.0"_s, u"6.0"_s, u"4.0"_s}));
    EXPECT_EQ(splitting.row(TimeRow), QStringList({u"1:00.0"_s, u"0:20.0"_s, u"0:20.0"_s, u"0:20.0"_s}));
}

TEST(SplitSegment, RefusalsLeaveTheSessionAsItWas)
{
    const struct
    {
        const char *name;
        int column;
        const char *answer; // nullptr: no question
        const char *error;  // nullptr: none
    } cases[] = {
        {"in a loop", 1, nullptr, "Cannot split inside loop"},
        {"too short", 0, nullptr, "Segment 1 is too short to split"},
        {"not a number", 3, "x", "Integer 2-120 needed"},
        {"too many", 3, "121", "Integer 2-120 needed"},
        {"cancelled", 3, "", nullptr},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        Session session = sessionOfDefaultSegments(PulsedSession, 4);
        session.cells.setCell(0, TimeRow, u"0:00.5"_s);
        putLoop(session.cells, 1, 2, 2);
        Splitting splitting(session);
        if (c.answer)
            splitting.prompter.answerInput(QString::fromLatin1(c.answer));
        splitSegment(splitting.context(), c.column);
        EXPECT_EQ(splitting.prompter.errors, c.error ? QStringList{QString::fromLatin1(c.error)} : QStringList());
        EXPECT_EQ(splitting.document.cells(), session.cells);
        EXPECT_EQ(splitting.document.undoCount(), 0);
    }
}

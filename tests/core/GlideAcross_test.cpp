#include "DefaultSegments.h"
#include "RecordingView.h"
#include "ScriptedPrompter.h"

#include "core/session/GlideAcross.h"
#include "core/session/SegmentCommands.h"
#include "core/session/SessionContext.h"
#include "core/session/SessionRows.h"
#include "core/settings/UserPreferences.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {
QStringList row(const Session &session, int row, int first, int last)
{
    QStringList texts;
    for (int column = first; column <= last; ++column)
        texts << session.cells.cell(column, row);
    return texts;
}
} // namespace

TEST(GlideAcross, EachSegmentStartsWhereTheOneBeforeEnded)
{
    const struct
    {
        const char *name;
        SessionKind kind;
        Glide glide;
        QStringList starts; // Start Freq (Freq 1) of the glide's segments
        QStringList targets; // Target Freq; Freq 2 of a dual session stays as it was
    } cases[] = {
        {"linear", PulsedSession, {0, 5, 10, 4, GlideSpacing::Linear},
         {u"10.0"_s, u"9.0"_s, u"8.0"_s, u"7.0"_s, u"6.0"_s, u"5.0"_s},
         {u"9.0"_s, u"8.0"_s, u"7.0"_s, u"6.0"_s, u"5.0"_s, u"4.0"_s}},
        {"ratio", PulsedSession, {1, 2, 16, 4, GlideSpacing::Ratio}, {u"16.0"_s, u"8.0"_s}, {u"8.0"_s, u"4.0"_s}},
        {"ends snapped to the list", PulsedSession, {0, 1, 9.9, 4.1, GlideSpacing::Linear}, {u"10.0"_s, u"7.0"_s},
         {u"7.0"_s, u"4.0"_s}},
        {"a target's own spelling", PulsedSession, {0, 1, 2, 1, GlideSpacing::Linear}, {u"2.0"_s, u"1.5"_s},
         {u"1.50"_s, u"1.0"_s}},
        {"dual: Freq 1 from first to last", DualBinauralSession, {0, 2, 10, 4, GlideSpacing::Linear},
         {u"10.0"_s, u"7.0"_s, u"4.0"_s}, {}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const Session session = sessionOfDefaultSegments(c.kind, 6);
        SessionDocument document(session);
        ScriptedPrompter prompter;
        RecordingView view(document);

        EXPECT_TRUE(glideAcross({document, prompter, view}, c.glide));

        const Glide &g = c.glide;
        EXPECT_EQ(row(document.session(), StartFreqRow, g.firstColumn, g.lastColumn), c.starts);
        EXPECT_EQ(row(document.session(), TargetFreqRow, g.firstColumn, g.lastColumn),
                  c.targets.isEmpty() ? row(session, TargetFreqRow, g.firstColumn, g.lastColumn) : c.targets);
        EXPECT_EQ(document.undoCount(), 1);
        document.undo();
        EXPECT_EQ(document.cells(), session.cells);
    }
}

TEST(GlideAcross, OneSegmentIsRefused)
{
    SessionDocument document(sessionOfDefaultSegments(PulsedSession, 3));
    ScriptedPrompter prompter;
    RecordingView view(document);
    EXPECT_FALSE(glideAcross({document, prompter, view}, {1, 1, 10, 4, GlideSpacing::Linear}));
    EXPECT_EQ(prompter.errors, QStringList{GlideNeedsTwoSegments});
    EXPECT_EQ(document.undoCount(), 0);
}

TEST(GlideAcross, ANewSegmentCanGoOnFromTheLastTarget)
{
    const struct
    {
        const char *name;
        SessionKind kind;
        QString lastTarget;
        NewSegmentStart start;
        QString newStart;
    } cases[] = {
        {"as copied", PulsedSession, u"8.0"_s, NewSegmentStart::AsCopied, u"10.0"_s},
        {"from the target", PulsedSession, u"8.0"_s, NewSegmentStart::WhereGlideEnded, u"8.0"_s},
        {"the target's spelling", PulsedSession, u"1.50"_s, NewSegmentStart::WhereGlideEnded, u"1.5"_s},
        {"no target", PulsedSession, QString(), NewSegmentStart::WhereGlideEnded, u"10.0"_s},
        {"dual: Freq 2 is no target", DualBinauralSession, u"8.0"_s, NewSegmentStart::WhereGlideEnded, u"10.0"_s},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        Session session = sessionOfDefaultSegments(c.kind, 2, {{StartFreqRow, u"10.0"_s}});
        session.cells.setCell(1, TargetFreqRow, c.lastTarget);
        SessionDocument document(session);
        ScriptedPrompter prompter;
        RecordingView view(document);
        ASSERT_TRUE(newSegment({document, prompter, view}, c.start));
        EXPECT_EQ(document.cells().cell(2, StartFreqRow), c.newStart);
        EXPECT_EQ(document.cells().cell(2, TargetFreqRow), c.lastTarget);
    }
}

TEST(UserPreferences, NewSegmentsCopyUntilChosenAndTheChoiceIsKept)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(u"preferences.ini"_s);
    EXPECT_FALSE(UserPreferences(path).newSegmentContinuesGlide());
    UserPreferences(path).setNewSegmentContinuesGlide(true);
    EXPECT_TRUE(UserPreferences(path).newSegmentContinuesGlide());
}

TEST(GlideAcross, ShapesFollowTheirCurves)
{
    const struct
    {
        GlideSpacing shape;
        double share;
        double hertz; // from 4 to 12 Hz
    } cases[] = {
        {GlideSpacing::Linear, 0.25, 6},       {GlideSpacing::Ratio, 0.5, std::sqrt(48.0)},
        {GlideSpacing::EaseIn, 0.5, 6},        {GlideSpacing::EaseOut, 0.5, 10},
        {GlideSpacing::SCurve, 0.25, 5.25},    {GlideSpacing::SCurve, 0.5, 8},
        {GlideSpacing::Exponential, 0, 4},     {GlideSpacing::Exponential, 1, 12},
        {GlideSpacing::Exponential, 0.5, 4 + 8 * (1 - std::exp(-1.5)) / (1 - std::exp(-3.0))},
        {GlideSpacing::EaseIn, 1.5, 12}, // past the end stays at the end
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(int(c.shape));
        EXPECT_NEAR(glideHertz(4, 12, c.share, c.shape), c.hertz, 1e-9);
    }
}

TEST(GlideAcross, EachSegmentIsOneStepOfTheShape)
{
    const struct
    {
        const char *name;
        QStringList times;
        Glide glide;
        QStringList starts;
        QStringList targets;
    } cases[] = {
        {"S-curve, equal times", {u"1:00.0"_s, u"1:00.0"_s, u"1:00.0"_s, u"1:00.0"_s},
         {0, 3, 4, 12, GlideSpacing::SCurve}, {u"4.0"_s, u"5.0"_s, u"8.0"_s, u"11.0"_s},
         {u"5.0"_s, u"8.0"_s, u"11.0"_s, u"12.0"_s}},
        {"ease-in, whatever the times", {u"1:00.0"_s, u"3:00.0"_s, u"0:10.0"_s}, {0, 2, 4, 13, GlideSpacing::EaseIn},
         {u"4.0"_s, u"5.0"_s, u"8.0"_s}, {u"5.0"_s, u"8.0"_s, u"13.0"_s}},
        {"ease-out down", {u"2:00.0"_s, u"2:00.0"_s}, {0, 1, 14, 4, GlideSpacing::EaseOut},
         {u"14.0"_s, u"6.5"_s}, {u"6.5"_s, u"4.0"_s}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        Session session = sessionOfDefaultSegments(PulsedSession, int(c.times.size()));
        for (int column = 0; column < c.times.size(); ++column)
            session.cells.setCell(column, TimeRow, c.times.at(column));
        SessionDocument document(session);
        ScriptedPrompter prompter;
        RecordingView view(document);
        ASSERT_TRUE(glideAcross({document, prompter, view}, c.glide));
        const int last = int(c.times.size()) - 1;
        EXPECT_EQ(row(document.session(), StartFreqRow, 0, last), c.starts);
        EXPECT_EQ(row(document.session(), TargetFreqRow, 0, last), c.targets);
    }
}

TEST(GlideAcross, EveryShapeStaysWithinOneEntryOfItsCurve)
{
    const QStringList times{u"0:30.0"_s, u"2:00.0"_s, u"1:00.0"_s, u"5:00.0"_s, u"0:10.0"_s, u"3:30.0"_s};
    for (const GlideSpacing shape : {GlideSpacing::Linear, GlideSpacing::Ratio, GlideSpacing::EaseIn,
                                     GlideSpacing::EaseOut, GlideSpacing::SCurve, GlideSpacing::Exponential}) {
        for (const auto &[from, to] : {std::pair(14.0, 4.0), std::pair(0.5, 40.0)}) {
            SCOPED_TRACE(testing::Message() << int(shape) << ": " << from << " to " << to);
            Session session = sessionOfDefaultSegments(PulsedSession, 6);
            for (int column = 0; column < 6; ++column)
                session.cells.setCell(column, TimeRow, times.at(column));
            SessionDocument document(session);
            ScriptedPrompter prompter;
            RecordingView view(document);
            ASSERT_TRUE(glideAcross({document, prompter, view}, {0, 5, from, to, shape}));
            for (int column = 0; column < 6; ++column) {
                const auto place = [](const QString &text) { return nearestFreqIndex(text.toDouble()); };
                const auto exact = [&](int boundary) {
                    return nearestFreqIndex(glideHertz(from, to, boundary / 6.0, shape));
                };
                EXPECT_LE(std::abs(place(document.cells().cell(column, StartFreqRow)) - exact(column)), 1);
                EXPECT_LE(std::abs(place(document.cells().cell(column, TargetFreqRow)) - exact(column + 1)), 1);
            }
        }
    }
}

TEST(GlideAcross, DualSessionsGlideEitherBeatOrBoth)
{
    const struct
    {
        const char *name;
        Glide glide;
        QStringList freq1; // segments 1 to 4
        QStringList freq2;
        QStringList ramps;
    } cases[] = {
        {"Freq 1 from where segment 2 starts", {1, 3, 0, 4, GlideSpacing::Linear, GlideBeats::Freq1, 0, 0, true},
         {u"10.0"_s, u"8.0"_s, u"6.0"_s, u"4.0"_s}, {u"20.0"_s, u"20.0"_s, u"20.0"_s, u"20.0"_s},
         {u"jump"_s, u"ramp"_s, u"ramp"_s, u"ramp"_s}},
        {"Freq 2 from segment 1's level", {0, 2, 0, 0, GlideSpacing::Linear, GlideBeats::Freq2, 20, 10},
         {u"10.0"_s, u"10.0"_s, u"10.0"_s, u"10.0"_s}, {u"20.0"_s, u"15.0"_s, u"10.0"_s, u"20.0"_s},
         {u"jump"_s, u"ramp"_s, u"ramp"_s, u"jump"_s}},
        {"both", {2, 3, 10, 6, GlideSpacing::Linear, GlideBeats::Both, 20, 30},
         {u"10.0"_s, u"10.0"_s, u"10.0"_s, u"6.0"_s}, {u"20.0"_s, u"20.0"_s, u"20.0"_s, u"30.0"_s},
         {u"jump"_s, u"jump"_s, u"jump"_s, u"ramp"_s}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const Session session =
            sessionOfDefaultSegments(DualBinauralSession, 4, {{Freq1Row, u"10.0"_s}, {Freq2Row, u"20.0"_s}});
        SessionDocument document(session);
        ScriptedPrompter prompter;
        RecordingView view(document);
        ASSERT_TRUE(glideAcross({document, prompter, view}, c.glide));
        EXPECT_EQ(row(document.session(), Freq1Row, 0, 3), c.freq1);
        EXPECT_EQ(row(document.session(), Freq2Row, 0, 3), c.freq2);
        EXPECT_EQ(row(document.session(), DbbRampRow, 0, 3), c.ramps);
    }
    const Session session = sessionOfDefaultSegments(DualBinauralSession, 3, {{Freq1Row, u"10.0"_s}});
    EXPECT_FALSE(currentGlide(session, 0, 2).fromFirstStart); // segment 1 never ramps
    const Glide fromStart = currentGlide(session, 1, 2);
    EXPECT_TRUE(fromStart.fromFirstStart);
    EXPECT_EQ(fromStart.from, 10.0);
}

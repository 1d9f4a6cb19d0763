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

#include "DefaultSegments.h"
#include "EditingFixtures.h"
#include "RecordingView.h"
#include "ScriptedPrompter.h"
#include "TestSupport.h"

#include "core/session/SessionContext.h"
#include "core/session/SessionDocument.h"
#include "core/session/TextPaste.h"
#include "core/session/ValueEntry.h"
#include "core/session/ValueMatching.h"
#include "core/session/ValueStepping.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {
struct MatchCase
{
    SessionKind kind;
    int column;
    int row;
    const char *text;
    const char *entry;   // nullptr: no match
    const char *problem; // with no match
};

// A three-segment session whose segment 2 plays a chord, with a loop of one
// segment at segment 2.
Session matchSession(SessionKind kind)
{
    Session session = sessionOfDefaultSegments(kind, 3);
    if (kind == PulsedSession) {
        session.cells.setCell(1, ToneRow, u"PCh"_s);
        session.cells.setCell(1, ChordRow, u"1"_s);
    }
    putLoop(session.cells, 1, 1, 2);
    return session;
}

const MatchCase matchCases[] = {
    {PulsedSession, 0, StartFreqRow, "8", "8.0", nullptr},
    {PulsedSession, 0, StartFreqRow, "8.3", "8.5", nullptr},
    {PulsedSession, 0, StartFreqRow, "7.7", "7.83", nullptr},
    {PulsedSession, 0, StartFreqRow, "8.25", "8.0", nullptr}, // a tie keeps the earlier entry
    {PulsedSession, 0, StartFreqRow, "900", "42.0", nullptr},
    {PulsedSession, 0, StartFreqRow, "xyz", nullptr, "Start Freq takes a number from 0.25 to 42.0"},
    {PulsedSession, 0, TargetFreqRow, "1.5", "1.50", nullptr},
    {PulsedSession, 0, TargetFreqRow, " ", "", nullptr},
    {PulsedSession, 0, TargetFreqRow, "-", nullptr, "Target Freq takes a number from 0.25 to 42.0 or nothing"},
    {PulsedSession, 0, TimeRow, "7:10", "7:00.0", nullptr},
    {PulsedSession, 0, TimeRow, "7:20", "7:30.0", nullptr},
    {PulsedSession, 0, TimeRow, "0:00.5", "0:00.5", nullptr},
    {PulsedSession, 0, TimeRow, "25:00", "10:00.0", nullptr},
    {PulsedSession, 0, TimeRow, "7", "7:00.0", nullptr}, // a bare number counts minutes
    {PulsedSession, 0, TimeRow, "2.5", "2:30.0", nullptr},
    {PulsedSession, 0, TimeRow, "10", "10:00.0", nullptr},
    {PulsedSession, 0, TimeRow, "90s", "1:30.0", nullptr},
    {PulsedSession, 0, TimeRow, "0.5 S", "0:00.5", nullptr},
    {PulsedSession, 0, TimeRow, "1:30", "1:30.0", nullptr},
    {PulsedSession, 0, TimeRow, "7x", nullptr, "Time m:s takes minutes, seconds with s, or m:ss from 0:00.5 to 10:00.0"},
    {PulsedSession, 0, ToneRow, "pc", "PCh", nullptr},
    {PulsedSession, 0, ToneRow, "d", nullptr, "Tone takes PFr, PSu, PCh or bb"},
    {PulsedSession, 0, VIRampRow, "S", "seg", nullptr},
    {PulsedSession, 0, DutyCycleRow, "45", "50", nullptr},
    {PulsedSession, 1, ChordRow, "7", "7", nullptr},
    {PulsedSession, 0, ChordRow, "7", nullptr, "Chord is empty unless the Tone is PCh"},
    {PulsedSession, 0, ChordRow, "", "", nullptr},
    {PulsedSession, 1, DbbRampRow, "ramp", nullptr, "dbb Ramp is empty in a Pulsed/Binaural Beats session"},
    {DualBinauralSession, 0, DbbRampRow, "ramp", nullptr, "dbb Ramp of segment 1 does not change"},
    {DualBinauralSession, 0, DbbRampRow, "JUMP", "jump", nullptr},
    {DualBinauralSession, 1, DbbRampRow, "j", "jump", nullptr},
    {DualBinauralSession, 1, Pitch2Row, "R-3", "r-3", nullptr},
    {DualBinauralSession, 1, Pitch2Row, "87", "86", nullptr},
    {DualBinauralSession, 1, Pitch2Row, "r", nullptr, "Pitch 2 takes a number from 16 to 960 or r-15 to r15"},
    {DualBinauralSession, 1, PhaseRow, "ol", "OLH", nullptr},
    {PulsedSession, 1, LoopTimesRow, "99", "15", nullptr},
    {PulsedSession, 1, LoopTimesRow, "x", nullptr, "Integer 2-15 needed"},
    {PulsedSession, 0, LoopTimesRow, "3", nullptr, "Not at loop start"},
    {PulsedSession, 0, LoopSegsRow, "x", nullptr, "Integer 0-15 needed"},
};

class MatchValueTest : public ::testing::TestWithParam<MatchCase>
{
};

TEST_P(MatchValueTest, GivesTheEntryOrWhatTheRowTakes)
{
    const MatchCase &c = GetParam();
    const ValueMatch match = matchValue(matchSession(c.kind), {c.column, c.row}, QString::fromLatin1(c.text));
    EXPECT_EQ(match.entry, QString::fromLatin1(c.entry));
    EXPECT_EQ(match.problem, QString::fromLatin1(c.problem));
}

INSTANTIATE_TEST_SUITE_P(Cases, MatchValueTest, ::testing::ValuesIn(matchCases));

struct Editing
{
    explicit Editing(const Session &session)
        : document(session)
    {
    }
    SessionContext context() { return {document, prompter, view}; }
    QStringList row(int r) const
    {
        QStringList texts;
        for (int column = 0; column < document.cells().columnCount(); ++column)
            texts.append(document.cells().cell(column, r));
        return texts;
    }

    ScriptedPrompter prompter;
    SessionDocument document;
    RecordingView view{document};
};

TEST(ValueEntry, SelectionTakesTheValueInOneStep)
{
    Editing editing(matchSession(PulsedSession));
    enterValue(editing.context(), {0, ChordRow, 2, ChordRow}, u"3"_s);
    EXPECT_EQ(editing.row(ChordRow), QStringList({u""_s, u"3"_s, u""_s}));
    EXPECT_EQ(editing.prompter.errors, QStringList{u"Chord is empty unless the Tone is PCh"_s});

    enterValue(editing.context(), {0, VolumeRow, 2, VolumeRow}, u"60"_s);
    EXPECT_EQ(editing.row(VolumeRow), QStringList(3, u"56"_s));
    EXPECT_EQ(editing.document.undoText(), u"Change Volume of Segments 1-3"_s);
    stepValues(editing.context(), {1, VolumeRow, 2, VolumeRow}, StepDirection::Up);
    EXPECT_EQ(editing.row(VolumeRow), QStringList({u"56"_s, u"70"_s, u"70"_s}));
    EXPECT_EQ(editing.document.undoCount(), 3);
    editing.document.undo();
    editing.document.undo();
    EXPECT_EQ(editing.row(VolumeRow), QStringList(3, u"100"_s));

    enterValue(editing.context(), {0, VolumeRow, 2, VolumeRow}, u"loud"_s);
    EXPECT_EQ(editing.prompter.errors.last(), u"Volume takes a number from 0 to 100"_s);
    EXPECT_EQ(editing.document.undoCount(), 3);
}

TEST(ValueEntry, LoopRowsCheckAsTheirDialogs)
{
    Editing editing(sessionOfDefaultSegments(PulsedSession, 4));
    enterValue(editing.context(), {1, LoopSegsRow, 3, LoopSegsRow}, u"3"_s);
    EXPECT_EQ(editing.prompter.errors, QStringList{u"Loop includes last segment"_s});
    enterValue(editing.context(), {1, LoopSegsRow, 1, LoopSegsRow}, u"2"_s);
    enterValue(editing.context(), {1, LoopTimesRow, 1, LoopTimesRow}, u"4"_s);
    EXPECT_EQ(editing.row(LoopSegsRow), QStringList({u"0"_s, u"2"_s, u"0"_s, u"0"_s}));
    EXPECT_EQ(editing.row(LoopTimesRow), QStringList({u"0"_s, u"4"_s, u"4"_s, u"0"_s}));
    EXPECT_EQ(sessionInvariantFault(editing.document.cells()), QString());
}

TEST(TextPaste, WritesOverAndAddsSegmentsListingWhatItCannotMatch)
{
    Editing editing(sessionOfDefaultSegments(PulsedSession, 2, {{LoopSegsRow, u"0"_s}}));
    const QString text = u"\tTime m:s\tTone\tStart Freq\tPitch\tTarget Freq\tChord\tPhase\tDuty Cycle\tVolume\t"
                         u"Intensity\tVI Ramp\tdbb Ramp\tLoop Segs\tLoop Times\r\n"
                         u"7\t2:00.0\tPCh\t8.3\t240\t\t2\tIN\t50\t100\t100\tnone\t\t3\t2\r\n"
                         u"\r\n"
                         u"3:00.0\tPFr\t9\thigh\t\t\tRL\t50\t42\t42\tseg\t\t0\t0\n"
                         u"1:00.0\tbb\n"_s;
    pasteText(editing.context(), 1, text);
    EXPECT_EQ(editing.row(TimeRow), QStringList({u"1:00.0"_s, u"2:00.0"_s, u"3:00.0"_s}));
    EXPECT_EQ(editing.row(StartFreqRow), QStringList({u"7.83"_s, u"8.5"_s, u"9.0"_s}));
    EXPECT_EQ(editing.row(ChordRow), QStringList({u""_s, u"2"_s, u""_s}));
    EXPECT_EQ(editing.row(LoopSegsRow), QStringList(3, u"0"_s));
    EXPECT_EQ(editing.document.undoCount(), 1);
    EXPECT_EQ(editing.prompter.errors,
              QStringList{u"Not pasted:\nLine 5: 2 cells, 14 or 15 needed\n"
                          u"Segment 3 Pitch \"high\": Pitch takes a number from 16 to 960"_s});
}
} // namespace

#include "DefaultSegments.h"
#include "ScriptedPrompter.h"
#include "TestSupport.h"

#include "core/compiler/SegmentEncoder.h"
#include "core/compiler/SessionImage.h"
#include "core/session/ConversionError.h"
#include "core/session/ValueLists.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

using namespace Qt::Literals::StringLiterals;
using namespace ValueLists;

namespace {
using Bytes = std::vector<int>;

struct Encoding
{
    explicit Encoding(const Session &session)
    {
        prompter.busy = true; // as during a download
        image = encodeSession(session, prompter, session.cells.columnCount());
        failed = !image;
    }
    Bytes segment(int n) const
    {
        const SessionImage::Record &record = image.value().record(SessionImage::HeaderRecord + n);
        return Bytes(record.begin(), record.end());
    }

    ScriptedPrompter prompter;
    std::optional<SessionImage> image;
    bool failed = true;
};

struct FindingList : EncoderFindings
{
    void found(const EncoderFinding &finding) override { findings.append(finding.text); }
    QStringList findings;
};

QStringList numbers(int from, int to)
{
    QStringList list;
    for (int n = from; n <= to; ++n)
        list.append(QString::number(n));
    return list;
}
} // namespace

TEST(SegmentEncoder, DefaultSegmentOfEachKindEncodesToItsKnownBytes)
{
    const struct {
        SessionKind kind;
        Bytes bytes;
    } cases[] = {
        {PulsedSession, {13, 0, 119, 24, 19, 0, 27, 128}},
        {DualBinauralSession, {173, 0, 119, 24, 19, 29, 27, 162}},
    };
    for (const auto &c : cases) {
        const Encoding encoding(sessionOfDefaultSegments(c.kind, 1));
        EXPECT_EQ(encoding.segment(1), c.bytes) << "kind " << c.kind;
        EXPECT_FALSE(encoding.failed);
        EXPECT_TRUE(encoding.prompter.log.isEmpty()) << encoding.prompter.log.join(u'|');
        EXPECT_EQ(encoding.segment(2), Bytes(SessionImage::RecordSize, 0));
    }
}

// Every entry of every field's list, put into a default segment, must come
// back from its bits as its list position (plus the field's offset), and must
// leave every other bit of the record as the default segment has it.
TEST(SegmentEncoder, EveryValueOfEveryFieldDecodesBackToItsListPosition)
{
    const struct Field {
        const char *name;
        SessionKind kind;
        int row;
        QStringList values;
        int byte;
        int shift;
        int mask;
        int offset;         // code of values[0]
        CellChanges setup;  // what the field needs besides its own cell
    } fields[] = {
        {"time", PulsedSession, TimeRow, TimeList, 0, 0, 0x1f, 0, {}},
        {"time", DualBinauralSession, TimeRow, TimeList, 0, 0, 0x1f, 0, {}},
        {"tone", PulsedSession, ToneRow, PulsedToneList, 0, 5, 7, 0, {}},
        {"tone", DualBinauralSession, ToneRow, DualToneList, 0, 5, 7, 4, {}},
        {"start freq", PulsedSession, StartFreqRow, FreqList, 4, 0, 0xff, 0, {}},
        {"freq 1", DualBinauralSession, Freq1Row, FreqList, 4, 0, 0xff, 0, {}},
        {"pitch", PulsedSession, PitchRow, PitchList, 6, 0, 0x3f, 0, {}},
        {"pitch 1", DualBinauralSession, Pitch1Row, PitchList, 6, 0, 0x3f, 0, {}},
        {"target freq", PulsedSession, TargetFreqRow, TargetFreqList, 5, 0, 0xff, 0, {}},
        {"freq 2", DualBinauralSession, Freq2Row, FreqList, 5, 0, 0xff, 0, {}},
        {"chord", PulsedSession, ChordRow, ChordList, 7, 0, 0x7f, 0, {{ToneRow, u"PCh"_s}}},
        {"pitch 2", DualBinauralSession, Pitch2Row, Pitch2List, 7, 0, 0x7f, 0, {}},
        {"phase", PulsedSession, PhaseRow, PulsedPhaseList, 3, 0, 7, 0, {}},
        {"phase", DualBinauralSession, PhaseRow, DualPhaseList, 3, 0, 7, 0, {}},
        {"duty", PulsedSession, DutyCycleRow, DutyList, 3, 3, 7, 0, {}},
        {"duty", DualBinauralSession, DutyCycleRow, DutyList, 3, 3, 7, 0, {}},
        {"volume", PulsedSession, VolumeRow, LevelList, 2, 4, 7, 0, {}},
        {"volume", DualBinauralSession, VolumeRow, LevelList, 2, 4, 7, 0, {}},
        {"intensity", PulsedSession, IntensityRow, LevelList, 2, 0, 7, 0, {}},
        {"intensity", DualBinauralSession, IntensityRow, LevelList, 2, 0, 7, 0, {}},
        {"vi ramp", PulsedSession, VIRampRow, VIRampList, 3, 7, 1, 0, {}},
        {"vi ramp", DualBinauralSession, VIRampRow, VIRampList, 3, 7, 1, 0, {}},
        {"dbb ramp", DualBinauralSession, DbbRampRow, DbbRampList, 3, 6, 1, 0, {}},
        {"loop segs", PulsedSession, LoopSegsRow, numbers(0, 15), 1, 4, 0xf, 0, {}},
        {"loop segs", DualBinauralSession, LoopSegsRow, numbers(0, 15), 1, 4, 0xf, 0, {}},
        {"loop times", PulsedSession, LoopTimesRow, numbers(2, 15), 1, 0, 0xf, 2, {{LoopSegsRow, u"1"_s}}},
        {"loop times", DualBinauralSession, LoopTimesRow, numbers(2, 15), 1, 0, 0xf, 2, {{LoopSegsRow, u"1"_s}}},
    };
    for (const Field &field : fields) {
        const Encoding reference(sessionOfDefaultSegments(field.kind, 1, field.setup));
        ASSERT_FALSE(reference.failed) << field.name;
        for (int i = 0; i < field.values.size(); ++i) {
            CellChanges changes = field.setup;
            changes.emplace_back(field.row, field.values.at(i));
            const Encoding encoding(sessionOfDefaultSegments(field.kind, 1, changes));
            const QString where = u"%1 (kind %2) = \"%3\""_s.arg(QString::fromLatin1(field.name))
                                      .arg(field.kind)
                                      .arg(field.values.at(i));
            Bytes record = encoding.segment(1);
            EXPECT_EQ((record[size_t(field.byte)] >> field.shift) & field.mask, field.offset + i) << where;
            EXPECT_FALSE(encoding.failed) << where;
            EXPECT_TRUE(encoding.prompter.log.isEmpty()) << where << encoding.prompter.log.join(u'|');
            Bytes others = reference.segment(1);
            const int fieldBits = field.mask << field.shift;
            record[size_t(field.byte)] &= ~fieldBits;
            others[size_t(field.byte)] &= ~fieldBits;
            EXPECT_EQ(record, others) << where;
        }
    }
}

TEST(SegmentEncoder, AliasesCaseAndEmptyCellsGiveTheirCodes)
{
    const struct {
        const char *what;
        SessionKind kind;
        CellChanges changes;
        int byte;
        int expected;
    } cases[] = {
        {"alias F-S is PSu", PulsedSession, {{ToneRow, u"F-S"_s}}, 0, 13 + 1 * 32},
        {"alias bbP is bb", PulsedSession, {{ToneRow, u"bbP"_s}}, 0, 13 + 3 * 32},
        {"tone in other case", PulsedSession, {{ToneRow, u"psu"_s}}, 0, 13 + 1 * 32},
        {"relative pitch in capitals", DualBinauralSession, {{Pitch2Row, u"R15"_s}}, 7, 71 + 128},
        {"r-15", DualBinauralSession, {{Pitch2Row, u"r-15"_s}}, 7, 42 + 128},
        {"r1", DualBinauralSession, {{Pitch2Row, u"r1"_s}}, 7, 57 + 128},
        {"pitch 2 between entries", DualBinauralSession, {{Pitch2Row, u"86"_s}}, 7, 17 + 128},
        {"chord ignored without PCh", PulsedSession, {{ChordRow, u"5"_s}}, 7, 128},
        {"empty PCh chord counts as 1", PulsedSession, {{ToneRow, u"PCh"_s}, {ChordRow, QString()}}, 7, 128},
        {"target equal to start", PulsedSession, {{TargetFreqRow, u"7.83"_s}}, 5, 20},
        {"empty Freq 2", DualBinauralSession, {{Freq2Row, QString()}}, 5, 255},
        {"empty duty counts as 50", PulsedSession, {{DutyCycleRow, QString()}}, 3, 3 << 3},
        {"time between entries", PulsedSession, {{TimeRow, u"1:37.5"_s}}, 0, 15},
        {"loop times outside a loop", PulsedSession, {{LoopSegsRow, u"0"_s}, {LoopTimesRow, u"3"_s}}, 1, 0},
        {"loop times not read outside a loop", PulsedSession, {{LoopSegsRow, u"0"_s}, {LoopTimesRow, u"x"_s}}, 1, 0},
    };
    for (const auto &c : cases) {
        const Encoding encoding(sessionOfDefaultSegments(c.kind, 1, c.changes));
        EXPECT_EQ(encoding.segment(1)[size_t(c.byte)], c.expected) << c.what;
        EXPECT_FALSE(encoding.failed) << c.what;
        EXPECT_TRUE(encoding.prompter.log.isEmpty()) << c.what << encoding.prompter.log.join(u'|');
    }
}

// Messages of segment 2 of a three-segment session: the later segment is
// still examined, and an image that is given ends at segment 3.
TEST(SegmentEncoder, EachBadCellIsReportedWithItsSegmentNumber)
{
    const struct {
        const char *what;
        SessionKind kind;
        CellChanges changes;
        QStringList messages;
        bool failed;
    } cases[] = {
        {"tone", PulsedSession, {{ToneRow, u"xyz"_s}}, {u"No match segment 2 tone"_s}, true},
        {"dual tone", DualBinauralSession, {{ToneRow, u"xyz"_s}},
         {u"No match segment 2 tone"_s, u"Tone group change segment 2"_s}, true},
        {"dual tone in pulsed", PulsedSession, {{ToneRow, u"bbS"_s}}, {u"Tone group change segment 2"_s}, false},
        {"pulsed tone in dual", DualBinauralSession, {{ToneRow, u"PFr"_s}}, {u"Tone group change segment 2"_s}, false},
        {"chord", PulsedSession, {{ToneRow, u"PCh"_s}, {ChordRow, u"10"_s}}, {u"No match segment 2 chord"_s}, true},
        {"relative pitch", DualBinauralSession, {{Pitch2Row, u"r0"_s}}, {u"No match segment 2 pitch2"_s}, true},
        {"empty pitch 2", DualBinauralSession, {{Pitch2Row, QString()}}, {u"No match segment 2 pitch2"_s}, true},
        {"pitch 2 out of range", DualBinauralSession, {{Pitch2Row, u"99999"_s}}, {u"No match segment 2 pitch2"_s}, true},
        {"empty pitch 2, pulsed tone", DualBinauralSession, {{ToneRow, u"bb"_s}, {Pitch2Row, QString()}},
         {u"Tone group change segment 2"_s}, false},
        {"phase of the other kind", PulsedSession, {{PhaseRow, u"IRH"_s}}, {u"No match segment 2 phase"_s}, true},
        {"vi ramp", PulsedSession, {{VIRampRow, u"ramp"_s}}, {u"No match segment 2 viramp"_s}, true},
        {"dbb ramp", DualBinauralSession, {{DbbRampRow, u"seg"_s}}, {u"No match segment 2 freq ramp"_s}, true},
        {"dbb ramp unread in pulsed", PulsedSession, {{DbbRampRow, u"seg"_s}}, {}, false},
        {"duty not a number", PulsedSession, {{DutyCycleRow, u"abc"_s}}, {u"Float convert error on abc"_s}, false},
        {"in step order", DualBinauralSession,
         {{ToneRow, u"PSu"_s}, {Pitch2Row, u"r16"_s}, {PhaseRow, u"IN"_s}, {VIRampRow, u""_s}, {DbbRampRow, u"x"_s}},
         {u"Tone group change segment 2"_s, u"No match segment 2 pitch2"_s, u"No match segment 2 phase"_s,
          u"No match segment 2 viramp"_s, u"No match segment 2 freq ramp"_s},
         true},
    };
    for (const auto &c : cases) {
        Session session = sessionOfDefaultSegments(c.kind, 3);
        for (const auto &[row, text] : c.changes)
            session.cells.setCell(1, row, text);
        const Encoding encoding(session);
        EXPECT_EQ(encoding.prompter.errors, c.messages) << c.what;
        EXPECT_EQ(encoding.failed, c.failed) << c.what;
        if (!c.failed) {
            EXPECT_EQ(encoding.segment(3)[7] & 128, 128) << c.what;
            EXPECT_EQ(encoding.segment(4), Bytes(SessionImage::RecordSize, 0)) << c.what;
        }
        // The cursor is the arrow before a "No match" and left alone otherwise.
        for (int m = 0; m < c.messages.size(); ++m) {
            const bool noMatch = c.messages.at(m).startsWith(u"No match"_s);
            EXPECT_EQ(encoding.prompter.busyAtError.at(m), !noMatch && m == 0) << c.what << " message " << m;
        }
    }
}

// A chord or Pitch 2 that matches nothing used to leave 255 in byte 7, so
// that the end flag wrapped away and a session without its end was sent.
TEST(SegmentEncoder, EndFlagMarksOnlyTheLastRecordAndAnUnmatchedLastChordFails)
{
    const struct {
        SessionKind kind;
        int segments;
        CellChanges lastSegment;
        bool failed;
    } cases[] = {
        {PulsedSession, 1, {}, false},
        {DualBinauralSession, 1, {}, false},
        {PulsedSession, 4, {}, false},
        {PulsedSession, 1, {{ToneRow, u"PCh"_s}, {ChordRow, u"10"_s}}, true},
        {DualBinauralSession, 3, {{Pitch2Row, u"r0"_s}}, true},
    };
    for (const auto &c : cases) {
        Session session = sessionOfDefaultSegments(c.kind, c.segments);
        for (const auto &[row, text] : c.lastSegment)
            session.cells.setCell(c.segments - 1, row, text);
        const Encoding encoding(session);
        EXPECT_EQ(encoding.failed, c.failed) << c.segments << " segments";
        if (c.failed)
            continue; // no image is given: nothing of it can be sent
        for (int n = 1; n <= c.segments; ++n)
            EXPECT_EQ(encoding.segment(n)[7] >= 128, n == c.segments) << "segment " << n;
    }
}

TEST(SegmentEncoder, TextsThatAreNotNumbersStopTheEncoding)
{
    const struct {
        int row;
        CellChanges changes;
    } cases[] = {
        {TimeRow, {{TimeRow, u"x:00.0"_s}}},
        {TimeRow, {{TimeRow, u"100"_s}}},
        {LoopSegsRow, {{LoopSegsRow, u"two"_s}}},
        {LoopTimesRow, {{LoopSegsRow, u"2"_s}, {LoopTimesRow, u""_s}}},
    };
    for (const auto &c : cases) {
        Session session = sessionOfDefaultSegments(PulsedSession, 2);
        for (const auto &[row, text] : c.changes)
            session.cells.setCell(1, row, text);
        ScriptedPrompter prompter;
        EXPECT_THROW(encodeSession(session, prompter, 2), ConversionError) << "row " << c.row;
    }
}

TEST(SegmentEncoder, OnlySessionsThatFitTheImageAreEncoded)
{
    const struct {
        int segments;
        bool fits;
    } cases[] = {
        {250, true},
        {251, false},
        {1000, false},
        {249, true},
    };
    for (const auto &c : cases) {
        const Session session = sessionOfDefaultSegments(DualBinauralSession, c.segments);
        ScriptedPrompter prompter;
        prompter.busy = true;
        const std::optional<SessionImage> image = encodeSession(session, prompter, c.segments);
        EXPECT_EQ(image.has_value(), c.fits) << c.segments;
        if (c.fits) {
            EXPECT_TRUE(prompter.errors.isEmpty()) << c.segments;
            const int last = SessionImage::FirstSegmentRecord + c.segments - 1;
            EXPECT_EQ(image->record(last)[7], 162);
            EXPECT_EQ(image->record(last - 1)[7], 34);
        } else {
            EXPECT_EQ(prompter.errors, QStringList{u"Session has %1 segments; a download holds 1 to %2"_s.arg(c.segments)
                                                       .arg(SessionImage::MaxSegments)});
            EXPECT_FALSE(prompter.busy);
        }
    }
}

// A record is written whole: nothing of what it held before survives.
TEST(SegmentEncoder, ReencodingARecordRewritesEveryByte)
{
    const Encoding longer(sessionOfDefaultSegments(
        DualBinauralSession, 1,
        {{TimeRow, u"10:00.0"_s}, {ToneRow, u"dSb"_s}, {Freq1Row, u"42.0"_s}, {Pitch1Row, u"960"_s},
         {Freq2Row, u"42.0"_s}, {Pitch2Row, u"r15"_s}, {PhaseRow, u"OLL"_s}, {DutyCycleRow, u"87"_s},
         {VIRampRow, u"seg"_s}, {DbbRampRow, u"ramp"_s}, {LoopSegsRow, u"1"_s}, {LoopTimesRow, u"15"_s}}));
    ASSERT_FALSE(longer.failed);
    const Session pulsed = sessionOfDefaultSegments(PulsedSession, 1);
    FindingList findings;
    SessionImage::Record reused = longer.image->record(SessionImage::FirstSegmentRecord);
    SessionImage::Record fresh{};
    encodeSegment(pulsed, 0, reused, findings);
    encodeSegment(pulsed, 0, fresh, findings);
    EXPECT_EQ(reused, fresh);
    EXPECT_TRUE(findings.findings.isEmpty()) << findings.findings.join(u'|');
}

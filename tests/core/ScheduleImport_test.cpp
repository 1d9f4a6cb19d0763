// Imports of hand-written schedules: what becomes of each feature of the
// formats, what is reported as left out, and what cannot be read.
#include "TestSupport.h"

#include "core/exchange/CellsTextReader.h"
#include "core/exchange/SessionExchange.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

using namespace Qt::Literals::StringLiterals;

namespace {
// Rows 1 to 6, 9, 11 and 12 of each segment, "-" for an empty cell.
QStringList segments(const Session &session)
{
    QStringList lines;
    for (int column = 0; column < session.cells.columnCount(); ++column) {
        QStringList cells;
        for (int row : {TimeRow, ToneRow, StartFreqRow, PitchRow, TargetFreqRow, ChordRow, VolumeRow, VIRampRow, DbbRampRow}) {
            const QString &text = session.cells.cell(column, row);
            cells.append(text.isEmpty() ? u"-"_s : text);
        }
        lines.append(cells.join(u' '));
    }
    return lines;
}

// "segment row line: message" of each note.
QStringList notes(const QList<ExchangeNote> &notes)
{
    QStringList texts;
    for (const ExchangeNote &note : notes)
        texts.append(u"%1 %2 %3"_s.arg(note.segment).arg(note.row).arg(exchangeNoteText(note)));
    return texts;
}

SessionImport importData(const QString &name)
{
    const QString path = testDataPath(u"exchange/"_s + name);
    return importSession(readFileBytes(path), exchangeFormatOf(path));
}
} // namespace

TEST(ScheduleImport, SbgFilesOfEachFeature)
{
    const struct {
        const char *file;
        QStringList segments;
        QStringList notes;
    } cases[] = {
        {"basic_binaural.sbg",
         {u"0:30.0 bb 6.0 144 - - 28 seg -"_s, u"0:30.0 bb 6.0 144 - - 0 seg -"_s},
         {u"1 4 segments 1\u20132: pitch rounded to the list: 147 \u2192 144"_s}},
        {"isochronic.sbg",
         {u"0:30.0 PFr 10.0 288 - - 56 seg -"_s, u"4:00.0 PFr 10.0 288 - - 56 none -"_s, u"0:30.0 PFr 10.0 288 - - 0 seg -"_s},
         {u"1 4 segments 1\u20133: pitch rounded to the list: 300 \u2192 288"_s}},
        {"chord.sbg",
         {u"0:30.0 PCh 6.0 240 - 1 85 seg -"_s, u"1:00.0 PCh 6.0 240 - 1 85 none -"_s, u"0:30.0 PCh 6.0 240 - 1 0 seg -"_s},
         {}},
        {"dual.sbg",
         {u"0:30.0 dbb 7.83 240 15.0 480 100 seg jump"_s, u"0:30.0 dbb 7.83 240 15.0 480 0 seg ramp"_s},
         {u"1 0 segments 1\u20132: pitch rounded to the list: 236.085 \u2192 240, 472.5 \u2192 480"_s}},
        {"clock_times.sbg",
         {u"0:30.0 bb 4.0 192 - - 42 seg -"_s, u"9:00.0 bb 4.0 192 - - 42 none -"_s, u"0:30.0 bb 4.0 192 - - 0 seg -"_s, u"0:30.0 bb 8.0 192 - - 42 seg -"_s, u"10:00.0 bb 8.0 192 - - 42 none -"_s, u"4:00.0 bb 8.0 192 - - 42 none -"_s, u"0:30.0 bb 8.0 192 - - 0 seg -"_s},
         {u"1 4 segments 1\u20137: pitch rounded to the list: 198 \u2192 192, 196 \u2192 192"_s}},
        {"relative_times.sbg",
         {u"0:30.0 bb 4.0 192 - - 42 seg -"_s, u"9:00.0 bb 4.0 192 - - 42 none -"_s, u"0:30.0 bb 4.0 192 - - 0 seg -"_s, u"10:00.0 bb 4.0 192 - - 0 none -"_s, u"0:30.0 bb 4.0 192 - - 42 seg -"_s, u"9:00.0 bb 4.0 192 - - 42 none -"_s, u"0:30.0 bb 4.0 192 - - 0 seg -"_s},
         {u"1 4 segments 1\u20133: pitch rounded to the list: 198 \u2192 192"_s, u"5 4 segments 5\u20137: pitch rounded to the list: 198 \u2192 192"_s}},
        {"slide.sbg",
         {u"5:00.0 bb 4.0 192 10.0 - 42 none -"_s},
         {u"1 4 pitch rounded to the list: 198 \u2192 192"_s}},
        {"slide_needs_equals.sbg",
         {u"5:00.0 bb 4.0 192 10.0 - 42 none -"_s},
         {u"1 4 pitch rounded to the list: 198 \u2192 192"_s}},
        {"isochronic_slide.sbg",
         {u"3:00.0 PFr 10.0 288 4.0 - 56 none -"_s},
         {u"1 4 pitch rounded to the list: 300 \u2192 288"_s}},
        {"long_slide.sbg",
         {u"10:00.0 bb 4.0 192 8.0 - 42 none -"_s, u"10:00.0 bb 8.0 192 12.0 - 42 none -"_s},
         {u"1 4 segments 1\u20132: pitch rounded to the list: 198 \u2192 192, 196 \u2192 192"_s}},
        {"long_period.sbg",
         {u"0:30.0 bb 4.0 192 - - 42 seg -"_s, u"10:00.0 bb 4.0 192 - - 42 none -"_s, u"10:00.0 bb 4.0 192 - - 42 none -"_s, u"4:00.0 bb 4.0 192 - - 42 none -"_s, u"0:30.0 bb 4.0 192 - - 0 seg -"_s},
         {u"1 4 segments 1\u20135: pitch rounded to the list: 198 \u2192 192"_s}},
        {"volume_slides.sbg",
         {u"1:00.0 bb 4.0 192 - - 100 seg -"_s, u"1:00.0 bb 4.0 192 - - 100 none -"_s, u"1:00.0 bb 4.0 192 - - 0 seg -"_s},
         {u"1 4 segments 1\u20133: pitch rounded to the list: 198 \u2192 192"_s}},
        {"carrier_slide.sbg",
         {u"1:00.0 bb 4.0 192 - - 42 none -"_s},
         {u"1 4 pitch rounded to the list: 198 \u2192 192"_s, u"1 4 pitch slide left out"_s}},
        {"steps_at_one_time.sbg",
         {u"1:00.0 bb 4.0 192 8.0 - 42 none -"_s, u"0:30.0 bb 8.0 192 4.0 - 42 none -"_s},
         {u"1 4 segments 1\u20132: pitch rounded to the list: 198 \u2192 192, 196 \u2192 192"_s}},
        {"fades.sbg",
         {u"0:30.0 bb 4.0 192 - - 42 seg -"_s, u"0:30.0 bb 4.0 192 - - 0 seg -"_s, u"0:30.0 bb 10.0 192 - - 42 seg -"_s, u"0:30.0 bb 10.0 192 - - 0 seg -"_s},
         {u"1 4 segments 1\u20134: pitch rounded to the list: 198 \u2192 192, 195 \u2192 192"_s}},
        {"blocks.sbg",
         {u"0:30.0 bb 4.0 192 - - 42 seg -"_s, u"4:00.0 bb 4.0 192 - - 42 none -"_s, u"0:30.0 bb 4.0 192 - - 0 seg -"_s, u"5:00.0 bb 4.0 192 - - 0 none -"_s, u"0:30.0 bb 4.0 192 - - 42 seg -"_s, u"4:00.0 bb 4.0 192 - - 42 none -"_s, u"0:30.0 bb 4.0 192 - - 0 seg -"_s},
         {u"1 4 segments 1\u20133: pitch rounded to the list: 198 \u2192 192"_s, u"5 4 segments 5\u20137: pitch rounded to the list: 198 \u2192 192"_s}},
        {"nested_blocks.sbg",
         {u"0:30.0 bb 4.0 192 - - 42 seg -"_s, u"4:00.0 bb 4.0 192 - - 42 none -"_s, u"0:30.0 bb 4.0 192 - - 0 seg -"_s, u"10:00.0 bb 4.0 192 - - 0 none -"_s, u"5:00.0 bb 4.0 192 - - 0 none -"_s, u"0:30.0 bb 4.0 192 - - 42 seg -"_s, u"4:00.0 bb 4.0 192 - - 42 none -"_s, u"0:15.0 bb 4.0 192 - - 0 seg -"_s, u"0:15.0 bb 4.0 192 - - 0 none -"_s},
         {u"1 4 segments 1\u20133: pitch rounded to the list: 198 \u2192 192"_s, u"6 4 segments 6\u20138: pitch rounded to the list: 198 \u2192 192"_s}},
        {"noise_and_mix.sbg",
         {u"0:30.0 bb 6.0 192 - - 28 seg -"_s, u"1:00.0 bb 6.0 192 - - 28 none -"_s, u"0:30.0 bb 6.0 192 - - 0 seg -"_s},
         {u"1 4 segments 1\u20133: pitch rounded to the list: 197 \u2192 192"_s, u"1 0 segments 1\u20133: line 2: pink noise left out"_s, u"0 0 mix input left out (lines 1, 2)"_s}},
        {"spin_and_bell.sbg",
         {u"0:30.0 bb 4.0 144 - - 28 seg -"_s, u"0:30.0 bb 4.0 144 - - 0 seg -"_s},
         {u"1 4 segments 1\u20132: pitch rounded to the list: 148 \u2192 144"_s, u"1 0 segments 1\u20132: line 1: spin voice spin left out"_s, u"1 0 segments 1\u20132: line 1: bell left out"_s, u"1 0 segments 1\u20132: line 1: mix effect mixspin left out"_s}},
        // Two binaural tones first make a session of two voices.
        {"extra_tones.sbg",
         {u"0:30.0 dbb 1.5 96 4.0 192 56 seg jump"_s, u"2:00.0 dbb 1.5 96 4.0 192 56 none ramp"_s, u"0:30.0 dbb 1.5 96 4.0 192 0 seg ramp"_s},
         {u"1 0 segments 1\u20133: further tones left out: the session plays one tone (two in dual sessions)"_s, u"1 0 segments 1\u20133: pitch rounded to the list: 99.25 \u2192 96, 198 \u2192 192"_s, u"1 0 segments 1\u20133: line 1: pink noise left out"_s}},
        {"waveforms.sbg",
         {u"0:30.0 bb 10.0 192 - - 0 seg -"_s},
         {u"1 0 further tones left out: the session plays one tone (two in dual sessions)"_s, u"1 4 pitch rounded to the list: 195 \u2192 192"_s, u"1 9 volume glide starts from the volume before it: 14 \u2192 0"_s, u"0 0 line 1: waveform triangle left out: tones play as sines"_s, u"1 0 line 2: square waveform left out: tones play as sines"_s}},
        {"waveform_definition.sbg",
         {u"0:30.0 bb 4.0 192 - - 56 seg -"_s, u"1:00.0 bb 4.0 192 - - 56 none -"_s, u"0:30.0 bb 4.0 192 - - 0 seg -"_s},
         {u"1 4 segments 1\u20133: pitch rounded to the list: 198 \u2192 192"_s, u"1 0 segments 1\u20133: line 2: envelope wave00 left out"_s, u"0 0 line 1: shape definition wave00 left out: tones play as sines"_s}},
        {"options.sbg",
         {u"0:30.0 bb 4.0 192 - - 85 seg -"_s, u"3:00.0 bb 4.0 192 - - 85 none -"_s, u"0:30.0 bb 4.0 192 - - 0 seg -"_s, u"10:00.0 bb 4.0 192 - - 0 none -"_s, u"10:00.0 bb 4.0 192 - - 0 none -"_s, u"6:00.0 bb 4.0 192 - - 0 none -"_s},
         {u"1 4 segments 1\u20133: pitch rounded to the list: 198 \u2192 192"_s, u"0 0 line 3: start at clock time 14:00 left out"_s}},
        {"comments.sbg",
         {u"0:30.0 bb 4.0 192 - - 42 seg -"_s, u"6:00.0 bb 4.0 192 - - 42 none -"_s, u"0:30.0 bb 4.0 192 - - 0 seg -"_s},
         {u"1 4 segments 1\u20133: pitch rounded to the list: 198 \u2192 192"_s}},
        {"last_line_sounds.sbg",
         {u"10:00.0 bb 4.0 192 - - 42 none -"_s},
         {u"1 0 line 3: the last tone-set plays on until stopped: the session ends at its line"_s, u"1 4 pitch rounded to the list: 198 \u2192 192"_s}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.file);
        const SessionImport imported = importData(QString::fromLatin1(c.file));
        ASSERT_TRUE(imported.session) << imported.error.toStdString();
        EXPECT_EQ(segments(*imported.session), c.segments);
        EXPECT_EQ(notes(imported.notes), c.notes);
        EXPECT_EQ(imported.session->name, u"unnamed"_s);
    }
    EXPECT_EQ(importData(u"comments.sbg"_s).session->descriptionLines,
              (QStringList{u"Evening theta"_s, u"by a tester"_s}));
}

TEST(ScheduleImport, GnauralVoicesAndWhatIsLeftOut)
{
    const QByteArray file = R"(<?xml version="1.0"?>
<schedule>
<title>Two voices</title>
<loops>0</loops>
<voice><type>1</type><entries><entry duration="60" volume_left="0.5" volume_right="0.5" beatfreq="0" basefreq="0"/></entries></voice>
<voice><type>0</type><entries>
<entry duration="60" volume_left="0.4" volume_right="0.4" beatfreq="4" basefreq="200"/>
<entry duration="60" volume_left="0.4" volume_right="0.2" beatfreq="8" basefreq="200"/>
<entry duration="0" volume_left="0.4" volume_right="0.4" beatfreq="4" basefreq="200"/>
</entries></voice>
<voice><type>3</type><voice_mute>1</voice_mute><entries><entry duration="10" volume_left="1" volume_right="1" beatfreq="1" basefreq="100"/></entries></voice>
<voice><type>0</type><entries><entry><duration>120</duration><volume_left>0</volume_left><volume_right>0</volume_right><beatfreq>9</beatfreq><basefreq>0</basefreq></entry></entries></voice>
</schedule>
)";
    const SessionImport imported = importSession(file, ExchangeFormat::Gnaural);
    ASSERT_TRUE(imported.session) << imported.error.toStdString();
    // Each entry glides to the next; the last to the first. The element-form
    // voice is silent and has no base frequency: not in use.
    EXPECT_EQ(segments(*imported.session),
              (QStringList{u"1:00.0 bb 4.0 192 8.0 - 28 seg -"_s, u"1:00.0 bb 8.0 192 4.0 - 42 seg -"_s}));
    // The session starts silent: its first glide starts there, not at the file's volume.
    EXPECT_EQ(notes(imported.notes),
              (QStringList{u"1 4 segments 1\u20132: pitch rounded to the list: 198 \u2192 192, 196 \u2192 192"_s,
                           u"1 9 volume glide starts from the volume before it: 42 \u2192 0"_s,
                           u"0 0 line 4: the schedule's repeats (0) left out: it plays once"_s,
                           u"0 0 line 5: pink noise voice left out"_s,
                           u"2 0 line 8: left and right volumes differ: their mean is taken"_s,
                           u"0 0 line 11: muted voice left out"_s}));
    EXPECT_EQ(imported.session->descriptionLines, QStringList{u"Two voices"_s});
}

TEST(ScheduleImport, UnreadableFilesNameTheirLine)
{
    const struct {
        ExchangeFormat format;
        const char *text;
        const char *error;
    } cases[] = {
        {ExchangeFormat::Sbg, "ts: 200+4/40\nNOW nothing\n", "line 2: no tone-set or block is named \"nothing\""},
        {ExchangeFormat::Sbg, "ts: 200x4/40\n", "line 1: cannot read the tone \"200x4/40\""},
        {ExchangeFormat::Sbg, "ts: 200+4/40\nNOW ts\n00:xx off\n", "line 3: cannot read the time \"00:xx\""},
        {ExchangeFormat::Sbg, "ts: 200+4/40\n+00:10 ts\n+00:05 off\n", "line 2: a relative time needs a clock time or NOW before it"},
        {ExchangeFormat::Sbg, "ts: 200+4/40\nb: {\n+00:00 ts\n", "line 2: the block \"b\" is not closed with \"}\""},
        {ExchangeFormat::Sbg, "ts: 200+4/40\nb: {\nNOW ts\n}\nNOW b\n", "line 3: a block's times must be relative (\"+hh:mm\")"},
        {ExchangeFormat::Sbg, "b: {\n+00:00 b\n}\nNOW b\n", "line 2: blocks call each other too deeply"},
        {ExchangeFormat::Sbg, "-V 500 -Z\n", "line 1: no time-sequence line: nothing plays"},
        {ExchangeFormat::Sbg, "ts: 1/1 1/1 1/1 1/1 1/1 1/1 1/1 1/1 1/1 1/1 1/1 1/1 1/1 1/1 1/1 1/1 1/1\n",
         "line 1: no time-sequence line: nothing plays"},
        {ExchangeFormat::Sbg, "ts: 200+4/40\nts: 200+4/40\n", "line 2: \"ts\" is defined twice"},
        {ExchangeFormat::Sbg, "# nothing\n\n", "line 2: no time-sequence line: nothing plays"},
        {ExchangeFormat::Gnaural, "<html/>", "line 1: not a Gnaural schedule: it starts with <html>"},
        {ExchangeFormat::Gnaural, "<schedule>\n<voice>\n", "line 3: Premature end of document."},
        {ExchangeFormat::Gnaural, "<schedule>\n<voice><type>0</type><entries><entry duration=\"x\"/></entries></voice>\n</schedule>",
         "line 2: cannot read the number \"x\""},
        {ExchangeFormat::Gnaural, "<schedule>\n</schedule>\n", "line 3: no binaural or isochronic voice to import"},
        // A type no int can hold is a type like any other the session has no voice for.
        {ExchangeFormat::Gnaural, "<schedule>\n<voice><type>1e20</type><entries><entry duration=\"1\"/></entries></voice>\n</schedule>",
         "line 3: no binaural or isochronic voice to import"},
        {ExchangeFormat::CellsText, "1\t2\n", "line 1: 2 fields where a segment has 15"},
        {ExchangeFormat::CellsText, "\n", "line 1: no segment"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text);
        const SessionImport imported = importSession(QByteArray(c.text), c.format);
        EXPECT_FALSE(imported.session);
        EXPECT_EQ(imported.error, QString::fromUtf8(c.error));
    }
}

TEST(ScheduleImport, GnauralFilesKeepOnlyWhatASessionCanUse)
{
    // 10,000 voices of three entries each: a few MB that once needed more than 1 GB.
    QByteArray file = "<schedule>\n";
    for (int voice = 0; voice < 10000; ++voice) {
        file += "<voice><type>0</type><entries><entry duration=\"60\" volume_left=\"0.5\" volume_right=\"0.5\" "
                "beatfreq=\"" + QByteArray::number(voice % 40 + 1) + "\" basefreq=\"200\"/><entry duration=\"60\" "
                "volume_left=\"0.5\" volume_right=\"0.5\" beatfreq=\"4\" basefreq=\"200\"/><entry duration=\"1\"/></entries></voice>\n";
    }
    file += "</schedule>\n";
    rusage before{};
    getrusage(RUSAGE_SELF, &before);
    const SessionImport imported = importSession(file, ExchangeFormat::Gnaural);
    rusage after{};
    getrusage(RUSAGE_SELF, &after);
    ASSERT_TRUE(imported.session) << imported.error;
#ifndef __SANITIZE_ADDRESS__ // there the peak is the sanitizer's quarantine of freed memory
    EXPECT_LE(after.ru_maxrss - before.ru_maxrss, 64 * 1024) << "kilobytes more at the peak";
#endif
    const QStringList texts = notes(imported.notes);
    EXPECT_EQ(texts.filter(u"voices beyond the first 16 left out"_s).size(), 1) << texts.join(u'\n');
    EXPECT_EQ(texts.filter(u"entries from here on are left out"_s).size(), 1) << texts.join(u'\n');
}

// Round trips through the peer formats and through cells as text.
#include "DefaultSegments.h"
#include "RandomSession.h"
#include "ScriptedPrompter.h"

#include "core/exchange/CellsTextReader.h"
#include "core/exchange/ImportFinish.h"
#include "core/exchange/SessionExchange.h"
#include "core/files/SessionFileParser.h"
#include "core/files/SessionFileWriter.h"
#include "core/graph/GraphFrequencies.h"
#include "core/session/PlayedWalk.h"
#include "core/session/SegmentSound.h"
#include "core/session/SessionText.h"
#include "core/session/ValueLists.h"

#include <gtest/gtest.h>
#include <random>
#include <set>

using namespace Qt::Literals::StringLiterals;

namespace {
// One pass of a segment as it sounds, with the rows the formats lose.
struct Played
{
    int column = 0;
    int halfSeconds = 0;
    QString tone;
    FrequencyRun beat;
    FrequencyRun beat2;
    double pitch = 0;
    int pitch2 = 0; // its nearest entry of the pitch list: "86" and "85" sound alike
    double levelFrom = 0;
    double levelTo = 0;
    QString phase, duty, intensity;
};

int nearestPitch(double hertz)
{
    int nearest = 0;
    for (int i = 1; i < ValueLists::PitchList.size(); ++i) {
        if (std::abs(ValueLists::PitchList.at(i).toDouble() - hertz)
            < std::abs(ValueLists::PitchList.at(nearest).toDouble() - hertz))
            nearest = i;
    }
    return nearest;
}

QList<Played> playedSchedule(const Session &session)
{
    const SessionGrid &cells = session.cells;
    QList<Played> passes;
    PlayedWalk walk(cells, LoopRule::LatestStart);
    FrequencyWalk beats(Freq1Row);
    FrequencyWalk beats2(Freq2Row);
    double previousLevel = 0;
    PlayedSegment segment;
    while (walk.next(segment)) {
        const SegmentSound sound = readSegmentSound(cells, segment.column);
        Played played;
        played.column = segment.column;
        played.halfSeconds = segment.halfSeconds;
        played.tone = cells.cell(segment.column, ToneRow);
        played.beat = beats.nextHertz(cells, segment.column);
        played.beat2 = beats2.nextHertz(cells, segment.column);
        played.pitch = sound.pitch;
        played.pitch2 = sound.kind == ToneKind::Dual ? nearestPitch(sound.pitch2) : 0;
        played.levelFrom = sound.levelRamp ? previousLevel : sound.level;
        played.levelTo = previousLevel = sound.level;
        played.phase = cells.cell(segment.column, PhaseRow);
        played.duty = cells.cell(segment.column, DutyCycleRow);
        played.intensity = cells.cell(segment.column, IntensityRow);
        passes.append(played);
    }
    return passes;
}

bool same(double a, double b)
{
    return std::abs(a - b) < 1e-6;
}

// (segment, row) of every value that a pass of the imported session plays
// otherwise than the session's own pass.
std::set<std::pair<int, int>> changedRows(const QList<Played> &before, const QList<Played> &after)
{
    std::set<std::pair<int, int>> changed;
    for (qsizetype i = 0; i < before.size(); ++i) {
        const Played &b = before.at(i);
        const Played &a = after.at(i);
        auto mark = [&](bool differs, int row) {
            if (differs)
                changed.insert({b.column + 1, row});
        };
        mark(a.halfSeconds != b.halfSeconds, TimeRow);
        mark(a.tone != b.tone, ToneRow);
        mark(!same(a.beat.start, b.beat.start) || !same(a.beat.end, b.beat.end), StartFreqRow);
        mark(!same(a.beat2.start, b.beat2.start) || !same(a.beat2.end, b.beat2.end), Freq2Row);
        mark(!same(a.pitch, b.pitch), PitchRow);
        mark(a.pitch2 != b.pitch2, Pitch2Row);
        mark(!same(a.levelFrom, b.levelFrom) || !same(a.levelTo, b.levelTo), VolumeRow);
        mark(a.phase != b.phase, PhaseRow);
        mark(a.duty != b.duty, DutyCycleRow);
        mark(a.intensity != b.intensity, IntensityRow);
    }
    return changed;
}
} // namespace

TEST(SessionExchange, RoundTripsKeepThePlayedScheduleAndReportExactlyWhatTheyLose)
{
    for (const ExchangeFormat format : {ExchangeFormat::Sbg, ExchangeFormat::Gnaural}) {
        std::mt19937 random(26);
        for (int run = 0; run < 200; ++run) {
            SCOPED_TRACE(testing::Message() << (format == ExchangeFormat::Sbg ? "sbg" : "gnaural") << " run " << run);
            const Session session = randomSession(random);
            const SessionExport exported = exportSession(session, format);
            const SessionImport imported = importSession(exported.bytes, format);
            ASSERT_TRUE(imported.session) << imported.error.toStdString();
            if (format == ExchangeFormat::Sbg)
                EXPECT_TRUE(exported.bytes.endsWith(" == off\n"));
            EXPECT_TRUE(imported.notes.isEmpty()) << exchangeNoteText(imported.notes.value(0)).toStdString();
            EXPECT_EQ(imported.session->kind, session.kind);

            const QList<Played> before = playedSchedule(session);
            const QList<Played> after = playedSchedule(*imported.session);
            ASSERT_EQ(after.size(), before.size());
            std::set<std::pair<int, int>> reported;
            for (const ExchangeNote &loss : exported.losses)
                reported.insert({loss.segment, loss.row});
            EXPECT_EQ(changedRows(before, after), reported);
        }
    }
}

TEST(SessionExchange, CellsAsTextGiveBackEveryCell)
{
    std::mt19937 random(1026);
    for (int run = 0; run < 200; ++run) {
        SCOPED_TRACE(run);
        const Session session = randomSession(random);
        const SessionImport imported = readCellsText(SessionText::session(session.cells).toUtf8());
        ASSERT_TRUE(imported.session) << imported.error.toStdString();
        EXPECT_EQ(imported.session->cells, session.cells);
        EXPECT_EQ(imported.session->kind, session.kind);
    }
}

TEST(SessionExchange, ExportsWhatThePeersPlayAndRead)
{
    const struct
    {
        const char *name;
        SessionKind kind;
        CellChanges changes;
        QStringList description;
        ExchangeFormat format;
        QByteArray written; // part of the file
        QByteArray notWritten;
        int lossRow; // segment 1's row with a loss; 0 for none
    } cases[] = {
        // The preview plays the pitch left and pitch + beat right: the carrier
        // is the centre, "-" puts the higher tone right.
        {"ears", PulsedSession, {{ToneRow, u"bb"_s}, {PitchRow, u"240"_s}, {StartFreqRow, u"10.0"_s}, {IntensityRow, u"0"_s}},
         {}, ExchangeFormat::Sbg, "ts1: 245-10/100", "240+", 0},
        {"gnaural ears", PulsedSession, {{ToneRow, u"bb"_s}, {PitchRow, u"240"_s}, {StartFreqRow, u"10.0"_s}, {IntensityRow, u"0"_s}},
         {}, ExchangeFormat::Gnaural, "beatfreq=\"-10\" basefreq=\"245\"", "basefreq=\"240\"", 0},
        {"no second pitch", DualBinauralSession, {{ToneRow, u"dbb"_s}, {Pitch2Row, QString()}, {IntensityRow, u"0"_s}, {PhaseRow, u"IRH"_s}},
         {}, ExchangeFormat::Sbg, "ts1: 243.915-7.83/50", " 0+", Pitch2Row},
        {"no pitch", PulsedSession, {{PitchRow, QString()}, {IntensityRow, u"0"_s}}, {}, ExchangeFormat::Sbg, "ts1: -",
         "@", PitchRow},
        {"off at the end", PulsedSession, {{IntensityRow, u"0"_s}}, {}, ExchangeFormat::Sbg, "NOW+00:01:00 == off", "", 0},
        // Gnaural's reader drops a text that starts with a line break or a space.
        {"description", PulsedSession, {{IntensityRow, u"0"_s}}, {QString(), u"  calm"_s, u"end"_s},
         ExchangeFormat::Gnaural, "<schedule_description>calm\nend</schedule_description>", "", 0},
        {"no description", PulsedSession, {{IntensityRow, u"0"_s}}, {}, ExchangeFormat::Gnaural,
         "<schedule_description>[none]</schedule_description>", "", 0},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        Session session = sessionOfDefaultSegments(c.kind, 1, c.changes);
        session.descriptionLines = c.description;
        const SessionExport exported = exportSession(session, c.format);
        EXPECT_TRUE(exported.bytes.contains(c.written)) << exported.bytes.toStdString();
        if (!QByteArray(c.notWritten).isEmpty())
            EXPECT_FALSE(exported.bytes.contains(c.notWritten)) << exported.bytes.toStdString();
        QList<int> lossRows;
        for (const ExchangeNote &loss : exported.losses)
            lossRows.append(loss.row);
        EXPECT_EQ(lossRows, c.lossRow ? QList<int>{c.lossRow} : QList<int>{});
        EXPECT_TRUE(importSession(exported.bytes, c.format).session);
    }
}

// What an import makes, a save writes and an open reads back whole: nothing
// cut, no format error, the same name, description and segments.
TEST(SessionExchange, ImportsReadBackWholeFromTheirSessionFile)
{
    const QByteArray longLine = QByteArray("## ") + QByteArray("word ").repeated(60);
    const QByteArray tones = "ts: 200+4/40\nNOW ts\n+00:01:00 ts\n";
    const QByteArray segment = "1:00.0\tbb\t4.0\t240\t\t\tIN\t50\t100\t0\tnone\t\t0\t0";
    const struct
    {
        const char *name;
        ExchangeFormat format;
        QByteArray bytes;
        QString error; // the refusal; empty when imported
        QString note;  // part of a note the import must give; empty for none
    } cases[] = {
        {"a long description line", ExchangeFormat::Sbg, longLine + "\n" + tones, {}, u"1 description line(s) wrapped"_s},
        {"a character the file lacks", ExchangeFormat::Sbg, "## calm \xe2\x9c\x93\n" + tones, {},
         u"written as \"?\""_s},
        {"description lines beyond the limit", ExchangeFormat::Gnaural,
         "<schedule><schedule_description>" + QByteArray("x\n").repeated(10005)
             + "</schedule_description><voice><type>0</type><entries><entry duration=\"60\" volume_left=\"0.5\" "
               "volume_right=\"0.5\" beatfreq=\"4\" basefreq=\"200\"/></entries></voice></schedule>",
         {}, u"description cut after line 10000"_s},
        {"an implausible time", ExchangeFormat::CellsText, "1\t99999:00.0\t" + segment.mid(7) + "\n", {},
         u"time 99999:00.0 is implausible"_s},
        {"a NUL in a cell", ExchangeFormat::CellsText, "1\t" + segment + "\n2\t1:00.0\tbb\t4.0\t2" + QByteArray(1, 0) + "40" + segment.mid(16) + "\n",
         u"line 2: column 18: a control character (U+0000) in a cell"_s, {}},
        {"a line break in a cell", ExchangeFormat::CellsText, "1\t1:00.0\tbb\t4.0\t2\r40" + segment.mid(16) + "\n",
         u"line 1: column 18: a control character (U+000d) in a cell"_s, {}},
        {"a character the file lacks in a cell", ExchangeFormat::CellsText, "1\t1:00.0\tbb\t4.0\t2\xe4\xb8\xad" + segment.mid(16) + "\n",
         u"line 1: column 18: \"\u4e2d\" is a character a session file cannot hold"_s, {}},
        {"a time the file cannot read", ExchangeFormat::CellsText, "1\tsoon\t" + segment.mid(7) + "\n",
         u"line 1: column 3: time \"soon\" is not minutes and seconds"_s, {}},
        {"a duty cycle the file cannot read", ExchangeFormat::CellsText, "1\t" + QByteArray(segment).replace("\t50\t", "\thalf\t") + "\n",
         u"line 1: column 26: duty cycle \"half\" is not a number"_s, {}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const SessionImport imported = importSession(c.bytes, c.format);
        EXPECT_EQ(imported.error, c.error);
        if (!c.error.isEmpty())
            continue;
        ASSERT_TRUE(imported.session);
        QStringList notes;
        for (const ExchangeNote &note : imported.notes)
            notes.append(note.message);
        EXPECT_EQ(notes.filter(c.note).size(), 1) << notes.join(u'|');

        ScriptedPrompter prompter;
        const SessionFileContent read = parseSessionFile(sessionFileBytes(*imported.session), PulsedSession, prompter);
        EXPECT_FALSE(read.formatErrors || read.cut || read.descriptionCut || read.endedAtNul);
        EXPECT_EQ(read.name, imported.session->name);
        EXPECT_EQ(read.descriptionLines, imported.session->descriptionLines);
        EXPECT_EQ(read.cells.columnCount(), imported.session->cells.columnCount());
    }
    // A name the file would cut is cut, with a note.
    Session named = sessionOfDefaultSegments(PulsedSession, 1);
    named.name = QString(50, u'n');
    QList<ExchangeNote> notes;
    finishImport(named, notes);
    EXPECT_EQ(named.name, QString(40, u'n'));
    EXPECT_EQ(notes.size(), 1);
}

// One small schedule for each rule of bringing an SBaGen schedule in as it
// plays: what the session plays at a few moments, its length, and the lines
// of the loss report.
#include "ScriptedPrompter.h"
#include "TestSupport.h"

#include "core/exchange/ImportLength.h"

#include "core/exchange/ScheduleOfSession.h"
#include "core/exchange/SessionExchange.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {
struct Probe
{
    double at;     // seconds
    double beat;   // hertz
    double volume; // percent of the loudest
};

// The beat and volume the session plays at a moment.
Probe played(const Schedule &schedule, double at)
{
    double start = 0;
    for (const SchedulePeriod &period : schedule.periods) {
        if (at < start + period.seconds) {
            const double fraction = (at - start) / period.seconds;
            const ScheduleTone &a = period.start.first();
            const ScheduleTone &b = period.end.first();
            double volume = 0;
            for (qsizetype i = 0; i < period.start.size(); ++i)
                volume += period.start.at(i).amplitude + (period.end.at(i).amplitude - period.start.at(i).amplitude) * fraction;
            return {at, a.beat + (b.beat - a.beat) * fraction, volume};
        }
        start += period.seconds;
    }
    return {at, 0, 0};
}
} // namespace

TEST(SbgPlayedRules, EachRuleGivesThePlayedSchedule)
{
    const struct {
        const char *rule;
        const char *text;
        double length; // options' length in seconds, 0 for none
        double seconds;
        std::vector<Probe> probes;
        QStringList notes; // their texts
        bool changesPlay;
    } cases[] = {
        {"times are built exactly from the time list", "-F 0\na: 200+4/100\nNOW a\n+00:02:15 off\n", 0, 135,
         {{1, 4, 100}, {134, 4, 100}}, {}, false},
        {"relative amplitudes play the loudest at full volume", "-F 0\na: 300+10/4\nb: 300+10/2\nNOW a\n+00:01:00 b\n+00:02:00 off\n",
         0, 120, {{30, 10, 100}, {90, 10, 56}},
         {u"volumes scaled so that the loudest tone plays at volume 100: 4 \u2192 100"_s}, false},
        {"a slide without \"=\" glides", "-F 0\na: 300+4/100\nb: 300+10/100\nNOW a ->\n+00:05:00 b\n+00:06:00 off\n", 0, 360,
         {{0, 4, 100}, {150, 7, 100}, {330, 10, 100}}, {}, false},
        {"a change fades through silence over the fade time", "a: 300+4/100\nb: 300+10/100\nNOW a\n+00:05:00 b\n+00:10:00 off\n", 0, 600,
         {{100, 4, 100}, {285, 4, 50}, {300, 10, 0}, {315, 10, 50}, {400, 10, 100}}, {}, false},
        {"a beat off the list is rounded with its old and new value", "-F 0\na: 256+12.5/100\nNOW a\n+00:01:00 off\n", 0, 60,
         {{30, 12, 100}}, {u"beat rounded to the list: 12.5 \u2192 12.0"_s}, true},
        {"a beat beyond the list is clamped", "-F 0\na: 256+100/100\nNOW a\n+00:01:00 off\n", 0, 60, {{30, 42, 100}},
         {u"beat clamped to the list: 100 \u2192 42.0"_s}, true},
        {"one time line plays until stopped", "a: 256+4/100\nNOW a\n", 0, 1800, {{900, 4, 100}},
         {u"the schedule plays until stopped: imported as 0:30:00 long"_s}, true},
        {"a length asked for", "a: 256+4/100\nNOW a\n", 600, 600, {{300, 4, 100}}, {}, false},
        {"-L gives the length", "-L 0:10:00\na: 256+4/100\nNOW a\n", 0, 600, {{300, 4, 100}}, {}, false},
        {"unknown options are skipped", "-q 1 -Z -F 0\na: 256+4/100\nNOW a\n+0:0:20 off\n", 0, 20, {{10, 4, 100}},
         {u"line 1: option -Z left out"_s}, false},
        {"clock times carry no line", "-SE -F 0\na: 256+4/100\n23:50 a\n00:10 off\n", 0, 1200, {{600, 4, 100}}, {}, false},
        {"noise of several tone-sets is one line", "-F 0\na: pink/20 256+4/100\nb: pink/20 256+6/100\nNOW a\n+00:01:00 b\n+00:02:00 off\n", 0, 120,
         {{30, 4, 100}, {90, 6, 100}}, {u"segments 1\u20132: pink noise left out (lines 2, 3)"_s}, false},
        {"noise alone is silence the session reports", "-F 0\na: pink/20\nb: 256+4/100\nNOW a\n+00:01:00 b\n+00:02:00 off\n", 0, 120,
         {{30, 0, 0}, {90, 4, 100}}, {u"only sounds a session cannot play (noise, mix, bells): silent"_s, u"line 2: pink noise left out"_s}, true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.rule);
        const SessionImport imported = importSession(QByteArray(c.text), ExchangeFormat::Sbg, {c.length});
        ASSERT_TRUE(imported.session) << imported.error;
        const Schedule schedule = scheduleOfSession(*imported.session, ScheduleFormat::Gnaural).schedule;
        double seconds = 0;
        for (const SchedulePeriod &period : schedule.periods)
            seconds += period.seconds;
        EXPECT_EQ(seconds, c.seconds);
        for (const Probe &probe : c.probes) {
            const Probe heard = played(schedule, probe.at);
            EXPECT_NEAR(std::abs(heard.beat), probe.beat, probe.volume > 0 ? 0.25 : 1e9) << "at " << probe.at;
            EXPECT_NEAR(heard.volume, probe.volume, 8) << "at " << probe.at;
        }
        QStringList notes;
        bool changesPlay = false;
        for (const ExchangeNote &note : imported.notes) {
            notes.append(exchangeNoteText(note));
            changesPlay = changesPlay || note.changesPlay;
        }
        // Pitches off the list are rounded in nearly every schedule; their own case tells them.
        notes.removeIf([](const QString &note) { return note.contains(u"pitch rounded"_s); });
        EXPECT_EQ(notes, c.notes);
        EXPECT_EQ(changesPlay, c.changesPlay);
    }
}

TEST(SbgPlayedRules, TheWindowAsksTheLengthOfASchedulePlayingUntilStopped)
{
    const struct {
        std::optional<QString> answer; // nullopt: Cancel, which keeps the offer
        std::optional<double> seconds;
    } cases[] = {
        {u"1:15:00"_s, 4500}, {std::nullopt, 1800}, {u" 0:00:20 "_s, 20}, {u"soon"_s, std::nullopt}, {u"0:00:00"_s, std::nullopt},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.answer.value_or(u"Cancel"_s).toStdString());
        ScriptedPrompter prompter;
        prompter.answerInput(c.answer);
        EXPECT_EQ(askImportLength(prompter, u"theta.sbg"_s, 1800), c.seconds);
        EXPECT_EQ(prompter.log.first(),
                  u"input: Import|theta.sbg plays until it is stopped. Length of the session (H:MM:SS):|0:30:00"_s);
        EXPECT_EQ(prompter.errors.size(), c.seconds ? 0 : 1);
    }
}

// What the shipped templates' descriptions say of time, beats and light
// holds for their cells as they play. Each claim is quoted from the
// description, so a reworded description asks for its claims anew.
#include "core/session/Session.h"
#include "core/templates/TemplateLibrary.h"
#include "core/timeline/TimelineLayout.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {
enum class Claim {
    Minutes,    // the session lasts `from` minutes
    Glide,      // beat `beat` goes from hz1 just after minute `from` to hz2 just before `to`
    Below,      // every beat stays below hz1
    LightOff,   // the light is off from minute `from` to the end
};

struct TemplateClaim
{
    const char *file;
    const char *quote;
    Claim claim;
    double from = 0;
    double to = 0;
    double hz1 = 0;
    double hz2 = 0;
    int beat = 1; // 2: Freq 2
};

const TemplateClaim claims[] = {
    {"creativity-dual", "Twenty-five minutes", Claim::Minutes, 25},
    {"creativity-dual", "Three minutes at 10 Hz lead in", Claim::Glide, 0, 3, 10, 10},
    {"creativity-dual", "glides to 7.83 Hz over ten minutes", Claim::Glide, 3, 13, 10, 7.83},
    {"creativity-dual", "on to 7 Hz over ten more", Claim::Glide, 13, 23, 7.83, 7},
    {"creativity-dual", "two minutes bring it back to 10 Hz", Claim::Glide, 23, 25, 7, 10},
    {"creativity-dual", "Freq 2 at 10 Hz", Claim::Glide, 0, 25, 10, 10, 2},
    {"creativity", "Twenty-five minutes", Claim::Minutes, 25},
    {"creativity", "Three minutes lead down from 10 Hz", Claim::Glide, 0, 3, 10, 8},
    {"creativity", "ten minutes hold 7.83 Hz", Claim::Glide, 3, 13, 7.83, 7.83},
    {"creativity", "ten minutes glide from 7 to 8 Hz", Claim::Glide, 13, 23, 7, 8},
    {"creativity", "Two minutes come back to 10 Hz", Claim::Glide, 23, 25, 8, 10},
    {"deep-sleep-dual", "Forty-five minutes", Claim::Minutes, 45},
    {"deep-sleep-dual", "Freq 1 goes down to 0.5 Hz", Claim::Glide, 35, 45, 1, 0.5},
    {"deep-sleep-dual", "Freq 2 settles at 2 Hz", Claim::Glide, 35, 45, 2, 2, 2},
    {"deep-sleep-dual", "fades out by minute twenty-five and stays off", Claim::LightOff, 25},
    {"deep-sleep", "Forty-five minutes", Claim::Minutes, 45},
    {"deep-sleep", "Five minutes lead from 8 Hz into theta", Claim::Glide, 0, 5, 8, 4},
    {"deep-sleep", "ten-minute glides reach 2 Hz", Claim::Glide, 5, 15, 4, 2},
    {"deep-sleep", "1 Hz", Claim::Glide, 15, 25, 2, 1},
    {"deep-sleep", "finally 0.5 Hz", Claim::Glide, 25, 35, 1, 0.5},
    {"deep-sleep", "fades out by minute twenty-five and stays off", Claim::LightOff, 25},
    {"energise-dual", "Fifteen minutes", Claim::Minutes, 15},
    {"energise-dual", "Freq 1 from 10 to 13 Hz", Claim::Glide, 2, 13, 10, 13},
    {"energise-dual", "Freq 2 from 12 to 14 Hz", Claim::Glide, 2, 13, 12, 14, 2},
    {"energise-dual", "both stay below 15 Hz", Claim::Below, 0, 0, 15},
    {"energise", "Fifteen minutes", Claim::Minutes, 15},
    {"energise", "Two minutes rise to 12 Hz", Claim::Glide, 0, 2, 10, 12},
    {"energise", "five minutes glide on to 14 Hz", Claim::Glide, 2, 7, 12, 14},
    {"energise", "six minutes hold there", Claim::Glide, 7, 13, 14, 14},
    {"energise", "The last two minutes settle at 12 Hz", Claim::Glide, 13, 15, 14, 12},
    {"energise", "the beat stays below 15 Hz", Claim::Below, 0, 0, 15},
    {"first-try-dual", "five minutes", Claim::Minutes, 5},
    {"first-try-dual", "Freq 1 starts at 10 Hz", Claim::Glide, 0, 1, 10, 10},
    {"first-try-dual", "Freq 2 at 12 Hz", Claim::Glide, 0, 1, 12, 12, 2},
    {"first-try-dual", "both glide 2 Hz lower for three minutes", Claim::Glide, 1, 4, 10, 8},
    {"first-try-dual", "both glide 2 Hz lower for three minutes", Claim::Glide, 1, 4, 12, 10, 2},
    {"first-try", "five minutes", Claim::Minutes, 5},
    {"first-try", "It starts at 12 Hz", Claim::Glide, 0, 1, 12, 10},
    {"first-try", "glides down to 8 Hz over three minutes", Claim::Glide, 1, 4, 10, 8},
    {"first-try", "comes back up to 10 Hz", Claim::Glide, 4, 5, 8, 10},
    {"focus-dual", "Twenty minutes", Claim::Minutes, 20},
    {"focus-dual", "Two minutes at 10 and 12 Hz lead in", Claim::Glide, 0, 2, 10, 10},
    {"focus-dual", "Two minutes at 10 and 12 Hz lead in", Claim::Glide, 0, 2, 12, 12, 2},
    {"focus-dual", "eight minutes glide up to 12 and 14 Hz", Claim::Glide, 2, 10, 10, 12},
    {"focus-dual", "eight minutes glide up to 12 and 14 Hz", Claim::Glide, 2, 10, 12, 14, 2},
    {"focus-dual", "eight hold there", Claim::Glide, 10, 18, 12, 12},
    {"focus-dual", "eight hold there", Claim::Glide, 10, 18, 14, 14, 2},
    {"focus-dual", "Both beats stay below 15 Hz", Claim::Below, 0, 0, 15},
    {"focus", "Twenty minutes", Claim::Minutes, 20},
    {"focus", "to 12 Hz in two minutes", Claim::Glide, 0, 2, 10, 12},
    {"focus", "glide to 14 Hz over eight minutes", Claim::Glide, 2, 10, 12, 14},
    {"focus", "hold there for eight", Claim::Glide, 10, 18, 14, 14},
    {"focus", "The last two minutes ease back to 12 Hz", Claim::Glide, 18, 20, 14, 12},
    {"focus", "They stay below 15 Hz", Claim::Below, 0, 0, 15},
    {"meditation-dual", "Thirty minutes", Claim::Minutes, 30},
    {"meditation-dual", "Three minutes at 10 Hz lead in", Claim::Glide, 0, 3, 10, 10},
    {"meditation-dual", "glides down to 6 Hz over ten minutes", Claim::Glide, 3, 13, 10, 6},
    {"meditation-dual", "rests there for ten", Claim::Glide, 13, 23, 6, 6},
    {"meditation-dual", "returns to 10 Hz over the last seven", Claim::Glide, 23, 30, 6, 10},
    {"meditation-dual", "Freq 2 holds 10 Hz", Claim::Glide, 0, 30, 10, 10, 2},
    {"meditation", "Thirty minutes", Claim::Minutes, 30},
    {"meditation", "from 10 Hz down to 7 Hz in three minutes", Claim::Glide, 0, 3, 10, 7},
    {"meditation", "glide to 6 Hz over ten minutes", Claim::Glide, 3, 13, 7, 6},
    {"meditation", "rest there for ten", Claim::Glide, 13, 23, 6, 6},
    {"meditation", "The last seven minutes come back through 7 Hz to 10 Hz", Claim::Glide, 23, 28, 6, 7},
    {"meditation", "The last seven minutes come back through 7 Hz to 10 Hz", Claim::Glide, 28, 30, 7, 10},
    {"power-nap-dual", "Twenty minutes", Claim::Minutes, 20},
    {"power-nap-dual", "down over twelve minutes", Claim::Glide, 2, 14, 10, 4},
    {"power-nap-dual", "down over twelve minutes", Claim::Glide, 2, 14, 10, 5, 2},
    {"power-nap-dual", "back up over six", Claim::Glide, 14, 20, 4, 12},
    {"power-nap-dual", "back up over six", Claim::Glide, 14, 20, 5, 14, 2},
    {"power-nap", "Twenty minutes", Claim::Minutes, 20},
    {"power-nap", "fourteen minutes glide down", Claim::Glide, 0, 14, 10, 4},
    {"power-nap", "four minutes back up to 10 Hz", Claim::Glide, 14, 18, 4, 10},
    {"power-nap", "two minutes rise to 14 Hz", Claim::Glide, 18, 20, 12, 14},
    {"relaxation-dual", "Twenty minutes", Claim::Minutes, 20},
    {"relaxation-dual", "Freq 1 walks down the alpha band (12 to 8 Hz)", Claim::Glide, 2, 10, 12, 8},
    {"relaxation-dual", "Freq 2 sinks from alpha into the edge of theta (10 to 6 Hz)", Claim::Glide, 2, 10, 10, 6, 2},
    {"relaxation-dual", "holds for eight minutes at 8 and 6 Hz", Claim::Glide, 10, 18, 8, 8},
    {"relaxation-dual", "holds for eight minutes at 8 and 6 Hz", Claim::Glide, 10, 18, 6, 6, 2},
    {"relaxation-dual", "The last two minutes glide both back to 10 Hz", Claim::Glide, 18, 20, 8, 10},
    {"relaxation-dual", "The last two minutes glide both back to 10 Hz", Claim::Glide, 18, 20, 6, 10, 2},
    {"relaxation", "Twenty minutes", Claim::Minutes, 20},
    {"relaxation", "start at 12 Hz and glide to 10 Hz", Claim::Glide, 0, 2, 12, 10},
    {"relaxation", "then to 8 Hz over eight minutes", Claim::Glide, 2, 10, 10, 8},
    {"relaxation", "eight minutes stay at 8 Hz", Claim::Glide, 10, 18, 8, 8},
    {"relaxation", "The last two minutes glide back to 10 Hz", Claim::Glide, 18, 20, 8, 10},
    {"sleep-onset-dual", "Thirty minutes", Claim::Minutes, 30},
    {"sleep-onset-dual", "Freq 1 leads from alpha (10 Hz)", Claim::Glide, 0, 3, 10, 10},
    {"sleep-onset-dual", "to delta (2 Hz)", Claim::Glide, 23, 30, 3, 2},
    {"sleep-onset-dual", "(8 Hz down to 3 Hz)", Claim::Glide, 0, 3, 8, 8, 2},
    {"sleep-onset-dual", "(8 Hz down to 3 Hz)", Claim::Glide, 23, 30, 5, 3, 2},
    {"sleep-onset-dual", "fades out over the last seven minutes", Claim::LightOff, 30},
    {"sleep-onset", "Thirty minutes", Claim::Minutes, 30},
    {"sleep-onset", "glide from alpha (10 Hz)", Claim::Glide, 0, 3, 10, 8},
    {"sleep-onset", "down to 2 Hz", Claim::Glide, 23, 30, 3, 2},
    {"sleep-onset", "The glides through theta last ten minutes each", Claim::Glide, 3, 13, 8, 5},
    {"sleep-onset", "The glides through theta last ten minutes each", Claim::Glide, 13, 23, 5, 3},
    {"sleep-onset", "fades out over the last seven minutes", Claim::LightOff, 30},
    {"study-dual", "Thirty-five minutes", Claim::Minutes, 35},
    {"study-dual", "six minutes of focus (12 and 14 Hz", Claim::Glide, 2, 8, 12, 12},
    {"study-dual", "six minutes of focus (12 and 14 Hz", Claim::Glide, 22, 28, 14, 14, 2},
    {"study-dual", "four minutes of taking in (8 and 10 Hz", Claim::Glide, 8, 12, 8, 8},
    {"study-dual", "four minutes of taking in (8 and 10 Hz", Claim::Glide, 28, 32, 10, 10, 2},
    {"study-dual", "All beats stay below 15 Hz", Claim::Below, 0, 0, 15},
    {"study", "Thirty-five minutes", Claim::Minutes, 35},
    {"study", "six minutes of focus at 14 Hz", Claim::Glide, 12, 18, 14, 14},
    {"study", "four minutes of taking in at 10 Hz", Claim::Glide, 28, 32, 10, 10},
    {"study", "Two minutes lead in from 10 to 12 Hz", Claim::Glide, 0, 2, 10, 12},
    {"study", "three minutes end the session gliding from 10 to 12 Hz", Claim::Glide, 32, 35, 10, 12},
    {"study", "All beats stay below 15 Hz", Claim::Below, 0, 0, 15},
};

// A level at a time (half seconds) inside a pass, from its start to its end.
double along(const TimelinePass &pass, double halfSeconds, double from, double to)
{
    return from + (to - from) * (halfSeconds - pass.start) / pass.halfSeconds;
}

const TimelinePass &passAt(const TimelineLayout &layout, double halfSeconds)
{
    return layout.passes().at(size_t(std::max(0, layout.passAt(halfSeconds))));
}

double beatAt(const TimelineLayout &layout, double minutes, int beat)
{
    const double t = minutes * 120;
    const TimelinePass &pass = passAt(layout, t);
    const FrequencyRun &run = beat == 2 ? pass.beat2 : pass.beat;
    return along(pass, t, run.start, run.end);
}

double intensityAt(const TimelineLayout &layout, double halfSeconds)
{
    const TimelinePass &pass = passAt(layout, halfSeconds);
    return along(pass, halfSeconds, pass.intensityFrom, pass.intensityTo);
}
} // namespace

TEST(TemplateTexts, EveryClaimOfTimeBeatAndLightHoldsForTheCells)
{
    const QTemporaryDir noOwn;
    const TemplateLibrary library(QStringLiteral(MIRANDEL_TEST_DATA) + u"/../../templates"_s, noOwn.path());
    QStringList checked;
    for (const TemplateClaim &c : claims) {
        const QString file = QString::fromLatin1(c.file) + u".LSS"_s;
        SCOPED_TRACE(file.toStdString() + ": " + c.quote);
        const auto found = std::find_if(library.templates().cbegin(), library.templates().cend(),
                                        [&file](const SessionTemplate &t) { return t.filePath.endsWith(u'/' + file); });
        ASSERT_NE(found, library.templates().cend());
        checked << file;
        EXPECT_TRUE(found->descriptionLines.join(u' ').contains(QString::fromUtf8(c.quote)));
        const TimelineLayout layout(sessionFromTemplate(*found));
        constexpr double Moment = 1.0 / 120; // half a second, in minutes
        switch (c.claim) {
        case Claim::Minutes:
            EXPECT_EQ(layout.totalHalfSeconds(), qint64(c.from * 120));
            break;
        case Claim::Glide:
            EXPECT_NEAR(beatAt(layout, c.from + Moment / 100, c.beat), c.hz1, 0.01);
            EXPECT_NEAR(beatAt(layout, c.to - Moment / 100, c.beat), c.hz2, 0.01);
            break;
        case Claim::Below:
            EXPECT_LT(layout.highestBeat(), c.hz1);
            break;
        case Claim::LightOff:
            for (qint64 t = qint64(c.from * 120); t < layout.totalHalfSeconds(); ++t)
                ASSERT_EQ(intensityAt(layout, double(t)), 0) << t / 120.0;
            EXPECT_EQ(passAt(layout, layout.totalHalfSeconds() - 1).intensityTo, 0);
            break;
        }
    }
    // Every shipped template is checked.
    checked.removeDuplicates();
    EXPECT_EQ(checked.size(), library.templates().size());
}

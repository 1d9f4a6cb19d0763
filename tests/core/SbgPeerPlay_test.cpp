// Every example schedule the peer program ships, imported and played, against
// the periods the peer's classic player prints for it (-D): the beat within
// 0.25 Hz and 1 s wherever a tone sounds, the length within 1 s, or a loss
// line that covers the difference.
#include "SbagenxPeer.h"
#include "TestSupport.h"

#include "core/exchange/SbgReader.h"
#include "core/exchange/ScheduleOfSession.h"
#include "core/exchange/SessionExchange.h"

#include <QDirIterator>
#include <QRegularExpression>
#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {
constexpr double Day = 86400;

struct PeerVoice
{
    bool tone = false;
    double beat = 0;
    double amplitude = 0;
};

struct PeerPeriod
{
    double start = 0; // seconds after midnight
    double end = 0;
    QList<PeerVoice> from;
    QList<PeerVoice> to;
};

double clockOf(const QString &text)
{
    const QStringList parts = text.split(u':');
    return parts.at(0).toInt() * 3600.0 + parts.at(1).toInt() * 60.0 + parts.at(2).toInt();
}

PeerVoice voiceOf(const QString &token)
{
    static const QRegularExpression tone(u"^[a-z0-9]+:(-?[\\d.]+)(?:([-+@])([\\d.]+))?/([\\d.]+)$"_s);
    if (const QRegularExpressionMatch match = tone.match(token); match.hasMatch())
        return {true, match.captured(3).toDouble(), match.captured(4).toDouble()};
    return {false, 0, token == u"-"_s ? 0.0 : token.section(u'/', -1).toDouble()};
}

// A -p program's keyframes: "SECONDS VOICE... linear", each gliding to the next.
QList<PeerPeriod> programPeriods(const QString &output)
{
    static const QRegularExpression keyframe(u"^(\\d+\\.\\d+) (.*) linear$"_s);
    QList<PeerPeriod> periods;
    for (const QString &text : output.split(u'\n')) {
        const QRegularExpressionMatch match = keyframe.match(text);
        if (!match.hasMatch())
            continue;
        QList<PeerVoice> voices;
        for (const QString &token : match.captured(2).split(u' ', Qt::SkipEmptyParts))
            voices.append(voiceOf(token));
        const double at = match.captured(1).toDouble();
        if (!periods.isEmpty()) {
            periods.last().end = at;
            periods.last().to = voices;
        }
        periods.append({at, at, voices, voices});
    }
    if (!periods.isEmpty())
        periods.removeLast(); // the end
    return periods;
}

// The periods of the day, in the order printed.
QList<PeerPeriod> peerPeriods(const QString &output)
{
    if (output.contains(u" linear\n"_s))
        return programPeriods(output);
    QList<PeerPeriod> periods;
    static const QRegularExpression line(u"^([* ]) (\\d\\d:\\d\\d:\\d\\d)(.*)$"_s);
    for (const QString &text : output.split(u'\n')) {
        const QRegularExpressionMatch match = line.match(text);
        if (!match.hasMatch())
            continue;
        const QStringList tokens = match.captured(3).split(u' ', Qt::SkipEmptyParts);
        if (match.captured(1) == u"*"_s) {
            periods.append({clockOf(match.captured(2)), 0, {}, {}});
            for (const QString &token : tokens)
                periods.last().from.append(voiceOf(token));
        } else if (!periods.isEmpty()) {
            periods.last().end = clockOf(match.captured(2));
            for (qsizetype i = 0; i < tokens.size(); ++i)
                periods.last().to.append(tokens.at(i) == u"::"_s ? periods.last().from.value(i) : voiceOf(tokens.at(i)));
        }
    }
    return periods;
}

// The tones that sound at a time of day: their beats; and whether anything sounds.
struct Heard
{
    QList<double> beats;
    bool anything = false;
};

Heard peerAt(const QList<PeerPeriod> &periods, double clock)
{
    clock = std::fmod(clock + Day, Day);
    for (const PeerPeriod &period : periods) {
        const double length = std::fmod(period.end - period.start + Day, Day);
        const double offset = std::fmod(clock - period.start + Day, Day);
        if (periods.size() > 1 && offset >= length)
            continue;
        const double fraction = periods.size() > 1 ? offset / length : 0;
        Heard heard;
        for (qsizetype i = 0; i < period.from.size(); ++i) {
            const PeerVoice &a = period.from.at(i);
            const PeerVoice b = period.to.value(i, a);
            const double amplitude = a.amplitude + (b.amplitude - a.amplitude) * fraction;
            heard.anything = heard.anything || amplitude > 0;
            if (a.tone && amplitude > 0)
                heard.beats.append(a.beat + (b.beat - a.beat) * fraction);
        }
        return heard;
    }
    return {};
}

Heard oursAt(const Schedule &played, double seconds, int &segment)
{
    double at = 0;
    segment = 0;
    for (const SchedulePeriod &period : played.periods) {
        ++segment;
        if (seconds >= at + period.seconds) {
            at += period.seconds;
            continue;
        }
        const double fraction = (seconds - at) / period.seconds;
        Heard heard;
        for (qsizetype i = 0; i < period.start.size(); ++i) {
            const ScheduleTone &a = period.start.at(i);
            const ScheduleTone &b = period.end.at(i);
            if (a.amplitude + (b.amplitude - a.amplitude) * fraction > 0)
                heard.beats.append(std::abs(a.beat + (b.beat - a.beat) * fraction));
        }
        heard.anything = !heard.beats.isEmpty();
        return heard;
    }
    return {};
}

bool beatHeard(double beat, const QList<Heard> &around)
{
    for (const Heard &heard : around) {
        for (const double peer : heard.beats) {
            if (std::abs(std::abs(peer) - beat) <= 0.25 + 1e-6)
                return true;
        }
    }
    return false;
}

bool covered(const QList<ExchangeNote> &notes, int segment)
{
    return std::any_of(notes.cbegin(), notes.cend(), [segment](const ExchangeNote &note) {
        return note.changesPlay
               && (note.segment == 0 || (segment >= note.segment && segment <= std::max(note.segment, note.lastSegment)));
    });
}

} // namespace

TEST(SbgPeerPlay, EveryExampleImportsAsThePeerPlaysIt)
{
    if (sbagenxPath().isEmpty())
        GTEST_SKIP() << sbagenxMissingReason().toStdString();
    const QString peerDir = sbagenxFolder();
    QTemporaryDir folder;

    int files = 0;
    int imported = 0;
    int mostLines = 0;
    QStringList differences;
    QStringList silent;
    QDirIterator it(peerDir + u"/examples"_s, {u"*.sbg"_s}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        ++files;
        QByteArray bytes = readFileBytes(path);
        const SessionImport import = importSession(bytes, ExchangeFormat::Sbg);
        if (!import.session)
            continue;
        ++imported;
        mostLines = std::max(mostLines, int(import.notes.size()));
        // The peer's NOW is the time it runs at; ours is midnight.
        const QString copy = folder.filePath(QFileInfo(path).fileName());
        QFile out(copy);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(QString::fromUtf8(bytes).replace(QRegularExpression(u"\\bNOW\\b"_s), u"00:00:00"_s).toUtf8());
        out.close();
        const QString output = QString::fromUtf8(runSbagenx({u"-D"_s, copy}, {u"SBAGENX_SEQ_BACKEND=legacy"_s}).out);
        const QList<PeerPeriod> periods = peerPeriods(output);
        if (periods.isEmpty())
            continue; // the classic player refuses it: nothing to compare
        const double origin = readSbgSchedule(bytes).origin;
        const Schedule played = scheduleOfSession(*import.session, ScheduleFormat::Gnaural).schedule;
        double length = 0;
        for (const SchedulePeriod &period : played.periods)
            length += period.seconds;
        static const QRegularExpression durationLine(u"Sequence duration: (\\d\\d:\\d\\d:\\d\\d)"_s);
        const QRegularExpressionMatch duration = durationLine.match(output);
        const double peerLength = duration.hasMatch() ? clockOf(duration.captured(1)) : periods.last().end;
        const QString name = QFileInfo(path).fileName();
        const int lastSegment = import.session->cells.columnCount();
        if (std::abs(length - peerLength) > 1 && !covered(import.notes, lastSegment) && !bytes.contains("-L"))
            differences.append(u"%1: length %2 s, the peer's %3 s"_s.arg(name).arg(length).arg(peerLength));
        bool anyHeard = false;
        bool peerHeard = false;
        for (double t = 0.5; t < length; t += 1) {
            int segment = 0;
            const Heard ours = oursAt(played, t, segment);
            // The peer prints whole seconds: within 1 s is within its reach.
            const QList<Heard> around{peerAt(periods, origin + t - 1), peerAt(periods, origin + t - 0.5),
                                      peerAt(periods, origin + t), peerAt(periods, origin + t + 0.5),
                                      peerAt(periods, origin + t + 1)};
            anyHeard = anyHeard || ours.anything;
            const bool toneHeard = std::any_of(around.cbegin(), around.cend(), [](const Heard &h) { return !h.beats.isEmpty(); });
            peerHeard = peerHeard || toneHeard;
            bool same = ours.anything ? toneHeard : std::any_of(around.cbegin(), around.cend(), [](const Heard &h) {
                return h.beats.isEmpty();
            });
            for (const double beat : ours.beats)
                same = same && beatHeard(beat, around);
            if (!same && !covered(import.notes, segment)) {
                differences.append(u"%1: at %2 s (segment %3)"_s.arg(name).arg(t).arg(segment));
                break;
            }
        }
        if (peerHeard && !anyHeard)
            silent.append(name);
    }
    std::cout << "imported " << imported << " of " << files << " examples; at most " << mostLines
              << " loss lines; " << differences.size() << " with unreported differences\n";
    EXPECT_GE(imported, 150);
    EXPECT_LE(mostLines, 12);
    EXPECT_EQ(differences, QStringList());
    EXPECT_EQ(silent, QStringList());
}

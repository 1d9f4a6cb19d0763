#include "core/exchange/SessionOfSchedule.h"

#include "core/session/NearestValueIndex.h"
#include "core/session/NewSession.h"
#include "core/session/QuarterUnitList.h"
#include "core/session/SegmentSound.h"
#include "core/session/ValueLists.h"

#include <QCoreApplication>
#include <QHash>
#include <QSet>
#include <algorithm>
#include <cmath>

using namespace Qt::Literals::StringLiterals;

namespace {
// One context for lupdate and the translator alike.
struct ScheduleImport
{
    Q_DECLARE_TR_FUNCTIONS(ScheduleImport)
};

// A list read once, and the entry nearest to a number on it.
class SnapList
{
public:
    explicit SnapList(const QStringList &list) : mQuarters(list) {}
    int index(double value) const
    {
        value = std::isfinite(value) ? std::clamp(value, -1e6, 1e6) : 0.0;
        const NearestValue found = findNearestValue(std::nearbyint(value * 4), mQuarters);
        if (found.index >= 0)
            return found.index;
        return value > 0 ? int(mQuarters.size() - 1) : 0;
    }

private:
    QuarterUnitList mQuarters;
};

const SnapList &halfSecondSnap()
{
    static const SnapList list(ValueLists::HalfSecondList);
    return list;
}
const SnapList &freqSnap()
{
    static const SnapList list(ValueLists::FreqList);
    return list;
}
const SnapList &pitchSnap()
{
    static const SnapList list(ValueLists::PitchList);
    return list;
}
const SnapList &levelSnap()
{
    static const SnapList list(ValueLists::LevelList);
    return list;
}

bool sameShape(const ToneSet &a, const ToneSet &b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (a.at(i).kind != b.at(i).kind)
            return false;
    }
    return true;
}

ToneSet between(const ToneSet &start, const ToneSet &end, double fraction)
{
    ToneSet tones = start;
    for (qsizetype i = 0; i < tones.size(); ++i) {
        ScheduleTone &tone = tones[i];
        const ScheduleTone &to = end.at(i);
        tone.carrier += (to.carrier - tone.carrier) * fraction;
        tone.beat += (to.beat - tone.beat) * fraction;
        tone.amplitude += (to.amplitude - tone.amplitude) * fraction;
    }
    return tones;
}

// The chord whose shape the first tones make: parallel isochronic tones of
// one pulse rate on the ratios of a chord. 0 for none.
int chordOf(const ToneSet &tones)
{
    if (tones.size() < 3 || tones.first().carrier <= 0)
        return 0;
    for (int tones4 : {4, 3}) {
        for (int number = 1; number <= 9; ++number) {
            const ChordShape &shape = chordShape(number);
            if (shape.tones != tones4 || tones.size() < shape.tones)
                continue;
            bool fits = true;
            for (int i = 0; i < shape.tones && fits; ++i) {
                const ScheduleTone &tone = tones.at(i);
                fits = tone.kind == ScheduleTone::Isochronic && std::abs(tone.beat - tones.first().beat) < 1e-6
                       && std::abs(tone.carrier / tones.first().carrier - shape.ratios[size_t(i)]) < 0.002;
            }
            if (fits)
                return number;
        }
    }
    return 0;
}

double amplitudeOf(const ToneSet &tones, qsizetype count)
{
    double sum = 0;
    for (qsizetype i = 0; i < std::min(count, tones.size()); ++i)
        sum += tones.at(i).amplitude;
    return sum;
}

// The lower ear of a binaural tone, whose carrier lies midway between the
// ears: the pitch the preview plays with the beat above it.
double pitchOf(const ScheduleTone &tone)
{
    return tone.kind == ScheduleTone::Binaural ? tone.carrier - std::abs(tone.beat) / 2 : tone.carrier;
}

bool near(double a, double b)
{
    return std::abs(a - b) < 0.005;
}

// Builds the segments one after another, each from where the one before ended.
class SegmentMaker
{
public:
    SegmentMaker(SessionKind kind, QList<ExchangeNote> &notes) : mKind(kind), mNotes(notes) {}

    int count() const { return int(mColumns.size()); }
    // continues: the segment goes on a period split before it, so its
    // slides start where the segment before ended.
    void add(int halfSeconds, const ToneSet &start, const ToneSet &end, int line, bool continues);
    SessionGrid cells() const;

private:
    void note(int row, const QString &message);
    void setTones(SessionGrid::Column &column, const ToneSet &start, const ToneSet &end, bool continues);
    void setDualTones(SessionGrid::Column &column, const ToneSet &start, const ToneSet &end, bool continues);
    void setVolume(SessionGrid::Column &column, double from, double to, bool continues);

    SessionKind mKind;
    QList<ExchangeNote> &mNotes;
    QSet<QString> mNoted; // line and message, so that a split period notes once
    QList<SessionGrid::Column> mColumns;
    int mLine = 0;
    double mPreviousLevel = 0;
    double mPreviousBeat = 0;  // dual: where the beats ended
    double mPreviousBeat2 = 0;
};

void SegmentMaker::note(int row, const QString &message)
{
    if (mNoted.contains(QString::number(mLine) + u'\t' + message))
        return;
    mNoted.insert(QString::number(mLine) + u'\t' + message);
    mNotes.append({count(), row, mLine, message});
}

void SegmentMaker::add(int halfSeconds, const ToneSet &start, const ToneSet &end, int line, bool continues)
{
    mLine = line;
    SessionGrid::Column column = mColumns.isEmpty() ? newSessionColumn(mKind) : mColumns.last();
    mColumns.append(column);
    column[TimeRow] = ValueLists::TimeList.at(halfSecondSnap().index(halfSeconds));
    column[PhaseRow] = (mKind == DualBinauralSession ? ValueLists::DualPhaseList : ValueLists::PulsedPhaseList).first();
    column[DutyCycleRow] = u"50"_s;
    column[IntensityRow] = u"0"_s;
    column[LoopSegsRow] = u"0"_s;
    column[LoopTimesRow] = u"0"_s;
    if (start.isEmpty()) {
        // Silence: the tones before it, without a sound and without a glide.
        column[VolumeRow] = u"0"_s;
        column[VIRampRow] = u"none"_s;
        if (mKind == DualBinauralSession)
            column[DbbRampRow] = u"jump"_s;
        else
            column[TargetFreqRow].clear();
        mPreviousLevel = 0;
    } else {
        const ToneSet &to = sameShape(start, end) ? end : start;
        if (!sameShape(start, end))
            note(0, ScheduleImport::tr("a slide to other kinds of tones: the tones are kept as they start"));
        if (mKind == DualBinauralSession)
            setDualTones(column, start, to, continues);
        else
            setTones(column, start, to, continues);
    }
    mColumns.last() = column;
}

void SegmentMaker::setTones(SessionGrid::Column &column, const ToneSet &start, const ToneSet &end, bool continues)
{
    const ScheduleTone &first = start.first();
    qsizetype used = 1;
    column[ChordRow].clear();
    if (first.kind == ScheduleTone::Binaural) {
        column[ToneRow] = u"bb"_s;
    } else if (const int chord = chordOf(start)) {
        column[ToneRow] = u"PCh"_s;
        column[ChordRow] = QString::number(chord);
        used = chordShape(chord).tones;
    } else {
        column[ToneRow] = u"PFr"_s;
    }
    if (start.size() > used)
        note(0, ScheduleImport::tr("%n further tone(s) left out", nullptr, int(start.size() - used)));
    const int beat = freqSnap().index(std::abs(first.beat));
    const int target = freqSnap().index(std::abs(end.first().beat));
    column[StartFreqRow] = ValueLists::FreqList.at(beat);
    column[TargetFreqRow] = target == beat ? QString() : ValueLists::TargetFreqList.at(target + 1);
    const int pitch = pitchSnap().index(pitchOf(first));
    column[PitchRow] = ValueLists::PitchList.at(pitch);
    if (pitchSnap().index(pitchOf(end.first())) != pitch)
        note(PitchRow, ScheduleImport::tr("carrier slide left out"));
    setVolume(column, amplitudeOf(start, used), amplitudeOf(end, used), continues);
}

void SegmentMaker::setDualTones(SessionGrid::Column &column, const ToneSet &start, const ToneSet &end, bool continues)
{
    const qsizetype voices = std::min<qsizetype>(start.size(), 2);
    if (start.size() > 2)
        note(0, ScheduleImport::tr("%n further tone(s) left out", nullptr, int(start.size() - 2)));
    if (voices == 1)
        note(Pitch2Row, ScheduleImport::tr("one tone only: both voices play it"));
    for (qsizetype i = 0; i < voices; ++i) {
        if (start.at(i).kind != ScheduleTone::Binaural)
            note(ToneRow, ScheduleImport::tr("isochronic tone played as a binaural voice"));
    }
    const ScheduleTone &one = start.at(0);
    const ScheduleTone &two = start.at(voices - 1);
    const ScheduleTone &oneEnd = end.at(0);
    const ScheduleTone &twoEnd = end.at(voices - 1);
    column[ToneRow] = u"dbb"_s;
    int beat = freqSnap().index(std::abs(one.beat));
    int beat2 = freqSnap().index(std::abs(two.beat));
    const int target = freqSnap().index(std::abs(oneEnd.beat));
    const int target2 = freqSnap().index(std::abs(twoEnd.beat));
    column[DbbRampRow] = u"jump"_s;
    if (beat != target || beat2 != target2) {
        if (continues || (near(std::abs(one.beat), mPreviousBeat) && near(std::abs(two.beat), mPreviousBeat2))) {
            column[DbbRampRow] = u"ramp"_s;
            beat = target;
            beat2 = target2;
        } else {
            note(Freq1Row, ScheduleImport::tr("beat slide left out"));
        }
    }
    column[Freq1Row] = ValueLists::FreqList.at(beat);
    column[Freq2Row] = ValueLists::FreqList.at(beat2);
    mPreviousBeat = ValueLists::FreqList.at(beat).toDouble();
    mPreviousBeat2 = ValueLists::FreqList.at(beat2).toDouble();
    const int pitch = pitchSnap().index(pitchOf(one));
    const int pitch2 = pitchSnap().index(pitchOf(two));
    column[Pitch1Row] = ValueLists::PitchList.at(pitch);
    column[Pitch2Row] = ValueLists::Pitch2List.at(pitch2);
    if (pitchSnap().index(pitchOf(oneEnd)) != pitch || pitchSnap().index(pitchOf(twoEnd)) != pitch2)
        note(Pitch1Row, ScheduleImport::tr("carrier slide left out"));
    setVolume(column, amplitudeOf(start, voices), amplitudeOf(end, voices), continues);
}

void SegmentMaker::setVolume(SessionGrid::Column &column, double from, double to, bool continues)
{
    int level = levelSnap().index(from);
    const int levelTo = levelSnap().index(to);
    column[VIRampRow] = u"none"_s;
    if (level != levelTo) {
        if (continues || near(from, mPreviousLevel)) {
            column[VIRampRow] = u"seg"_s;
            level = levelTo;
        } else {
            note(VolumeRow, ScheduleImport::tr("volume slide left out"));
        }
    }
    column[VolumeRow] = ValueLists::LevelList.at(level);
    mPreviousLevel = ValueLists::LevelList.at(level).toDouble();
}

SessionGrid SegmentMaker::cells() const
{
    SessionGrid grid;
    grid.setColumnCount(count());
    for (int i = 0; i < count(); ++i)
        grid.setColumn(i, mColumns.at(i));
    return grid;
}

SessionKind kindOf(const Schedule &schedule)
{
    for (const SchedulePeriod &period : schedule.periods) {
        if (period.start.isEmpty())
            continue;
        const bool dual = period.start.size() >= 2 && period.start.at(0).kind == ScheduleTone::Binaural
                          && period.start.at(1).kind == ScheduleTone::Binaural;
        return dual ? DualBinauralSession : PulsedSession;
    }
    return PulsedSession;
}
} // namespace

SessionImport sessionOfSchedule(const Schedule &schedule, QList<ExchangeNote> notes)
{
    constexpr int LongestHalfSeconds = 1200;
    const SessionKind kind = kindOf(schedule);
    QList<ExchangeNote> madeNotes;
    SegmentMaker maker(kind, madeNotes);
    QHash<int, int> firstSegmentOfLine;
    bool full = false;
    for (const SchedulePeriod &period : schedule.periods) {
        const double seconds = std::isfinite(period.seconds) ? std::clamp(period.seconds, 0.0, 1e9) : 0.0;
        const qint64 halfSeconds = std::llround(seconds * 2);
        if (halfSeconds == 0) {
            if (seconds > 0)
                madeNotes.append({maker.count(), TimeRow, period.line,
                                  ScheduleImport::tr("shorter than half a second: left out")});
            continue;
        }
        const ToneSet &end = sameShape(period.start, period.end) ? period.end : period.start;
        for (qint64 done = 0; done < halfSeconds; done += LongestHalfSeconds) {
            if (maker.count() == SessionGrid::MaxSegments) {
                full = true;
                break;
            }
            const qint64 take = std::min<qint64>(LongestHalfSeconds, halfSeconds - done);
            for (const int line : {period.line, period.toneLine}) {
                if (!firstSegmentOfLine.contains(line))
                    firstSegmentOfLine.insert(line, maker.count() + 1);
            }
            maker.add(int(take), between(period.start, end, double(done) / double(halfSeconds)),
                      between(period.start, end, double(done + take) / double(halfSeconds)), period.line, done > 0);
        }
        if (full)
            break;
    }
    if (full)
        madeNotes.append({SessionGrid::MaxSegments, 0, 0,
                          ScheduleImport::tr("the schedule goes on beyond 1000 segments: the rest is left out")});
    if (maker.count() == 0)
        return {std::nullopt, ScheduleImport::tr("the schedule has no time to import"), {}};

    for (ExchangeNote &note : notes) {
        if (note.segment == 0 && note.line > 0)
            note.segment = firstSegmentOfLine.value(note.line, 0);
    }
    notes += madeNotes;
    Session session;
    session.kind = kind;
    session.name = newSessionName();
    session.descriptionLines = schedule.description;
    session.cells = maker.cells();
    return {session, QString(), notes};
}

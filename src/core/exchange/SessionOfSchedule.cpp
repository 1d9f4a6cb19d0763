#include "core/exchange/SessionOfSchedule.h"

#include "core/exchange/ExchangeNumbers.h"
#include "core/exchange/ImportLosses.h"
#include "core/session/NewSession.h"
#include "core/session/SegmentSound.h"
#include "core/session/ValueLists.h"

#include <QCoreApplication>
#include <QHash>
#include <algorithm>
#include <cmath>
#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace {
// One context for lupdate and the translator alike.
struct ScheduleImport
{
    Q_DECLARE_TR_FUNCTIONS(ScheduleImport)
};

// The beat the peers' players hold as the same.
constexpr double BeatTolerance = 0.25;
// Below the quietest volume of the list the loudest tone is brought up to full volume.
constexpr double SensibleVolume = 14;

// A list read once, and the entry nearest to a number on it (the earlier of two as near).
class SnapList
{
public:
    explicit SnapList(const QStringList &list)
    {
        for (const QString &entry : list)
            mValues.push_back(entry.toDouble());
    }
    int index(double value) const
    {
        value = std::isfinite(value) ? value : 0.0;
        const auto above = std::lower_bound(mValues.cbegin(), mValues.cend(), value);
        if (above == mValues.cbegin())
            return 0;
        if (above == mValues.cend())
            return int(mValues.size() - 1);
        const auto below = above - 1;
        return int((value - *below <= *above - value ? below : above) - mValues.cbegin());
    }
    double value(int index) const { return mValues.at(size_t(index)); }

private:
    std::vector<double> mValues;
};

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

bool sounds(const ScheduleTone &tone)
{
    return tone.amplitude > 0;
}
bool isTone(const ScheduleTone &tone)
{
    return tone.kind != ScheduleTone::Other;
}

ScheduleTone between(const ScheduleTone &from, const ScheduleTone &to, double fraction)
{
    ScheduleTone tone = from;
    tone.carrier += (to.carrier - from.carrier) * fraction;
    tone.beat += (to.beat - from.beat) * fraction;
    tone.amplitude += (to.amplitude - from.amplitude) * fraction;
    return tone;
}

// Whether a channel's tone sounds anywhere in a period.
bool soundsIn(const SchedulePeriod &period, qsizetype channel)
{
    const ScheduleTone &start = period.start.at(channel);
    return isTone(start) && (sounds(start) || sounds(period.end.at(channel)));
}

// The chord whose shape the sounding (or all silent) isochronic tones make: the same pulse
// rate on the ratios of a chord. 0 for none.
int chordOf(const ToneSet &tones)
{
    ToneSet pulses;
    for (const ScheduleTone &tone : tones) {
        if (tone.kind == ScheduleTone::Isochronic && sounds(tone))
            pulses.append(tone);
    }
    if (pulses.isEmpty()) { // a silent chord is still one
        for (const ScheduleTone &tone : tones) {
            if (tone.kind == ScheduleTone::Isochronic)
                pulses.append(tone);
        }
    }
    if (pulses.size() < 3 || pulses.first().carrier <= 0)
        return 0;
    for (int number = 1; number <= 9; ++number) {
        const ChordShape &shape = chordShape(number);
        if (shape.tones != pulses.size())
            continue;
        bool fits = true;
        for (int i = 0; i < shape.tones && fits; ++i) {
            const ScheduleTone &tone = pulses.at(i);
            fits = std::abs(tone.beat - pulses.first().beat) < 1e-6
                   && std::abs(tone.carrier / pulses.first().carrier - shape.ratios[size_t(i)]) < 0.002;
        }
        if (fits)
            return number;
    }
    return 0;
}

// Half seconds as entries of the time list, longest first.
QList<int> timePieces(qint64 halfSeconds)
{
    QList<int> pieces;
    const QStringList &list = ValueLists::HalfSecondList;
    for (qsizetype i = list.size() - 1; i >= 0 && halfSeconds > 0;) {
        const int entry = list.at(i).toInt();
        if (entry <= halfSeconds) {
            pieces.append(entry);
            halfSeconds -= entry;
        } else {
            --i;
        }
    }
    return pieces;
}

QString change(double from, const QString &to)
{
    return u"%1 \u2192 %2"_s.arg(exchangeDecimal(from), to);
}

// What the session would play of the tones: both voices of a dual session,
// a chord's tones together, else the loudest tone.
double levelOf(const ToneSet &tones, const QList<qsizetype> &dualChannels)
{
    double level = 0;
    if (!dualChannels.isEmpty()) {
        for (const qsizetype channel : dualChannels)
            level += isTone(tones.at(channel)) ? tones.at(channel).amplitude : 0;
        return level;
    }
    const bool chord = chordOf(tones) > 0;
    for (const ScheduleTone &tone : tones) {
        if (isTone(tone))
            level = chord && tone.kind == ScheduleTone::Isochronic ? level + tone.amplitude : std::max(level, tone.amplitude);
    }
    return level;
}

double chordLevel(const ToneSet &tones)
{
    double level = 0;
    for (const ScheduleTone &tone : tones)
        level += tone.kind == ScheduleTone::Isochronic ? tone.amplitude : 0;
    return level;
}

class SegmentMaker
{
public:
    SegmentMaker(const Schedule &schedule, ImportLosses &losses);

    void add(const SchedulePeriod &period, int halfSeconds, double from, double to);
    int count() const { return int(mColumns.size()); }
    SessionKind kind() const { return mKind; }
    SessionGrid cells() const;

private:
    int chooseChannel(const SchedulePeriod &period);
    void noteLeftOut(const SchedulePeriod &period, const QList<qsizetype> &kept, bool silent);
    int beatIndex(double beat, int row);
    void setPulsed(SessionGrid::Column &column, const ToneSet &start, const ToneSet &end, qsizetype channel);
    void setDual(SessionGrid::Column &column, ToneSet start, ToneSet end);
    void setPitch(SessionGrid::Column &column, int row, const ScheduleTone &start, const ScheduleTone &end,
                  const QStringList &list);
    void setVolume(SessionGrid::Column &column, double from, double to);

    ImportLosses &mLosses;
    SessionKind mKind = PulsedSession;
    QList<qsizetype> mDualChannels;
    double mScale = 1;
    QList<SessionGrid::Column> mColumns;
    qsizetype mChannel = -1;
    int mLevel = 0; // where the last segment's volume ended, as a list index
    int mBeat = -1; // dual: where the last segment's beats ended
    int mBeat2 = -1;
};

SegmentMaker::SegmentMaker(const Schedule &schedule, ImportLosses &losses) : mLosses(losses)
{
    for (const SchedulePeriod &period : schedule.periods) {
        QList<qsizetype> binaural;
        bool any = false;
        for (qsizetype channel = 0; channel < period.start.size(); ++channel) {
            if (!soundsIn(period, channel))
                continue;
            any = true;
            if (period.start.at(channel).kind == ScheduleTone::Binaural)
                binaural.append(channel);
        }
        if (!any)
            continue;
        if (binaural.size() >= 2) {
            mKind = DualBinauralSession;
            mDualChannels = binaural.mid(0, 2);
        }
        break;
    }
    double loudest = 0;
    for (const SchedulePeriod &period : schedule.periods) {
        for (const ToneSet *tones : {&period.start, &period.end})
            loudest = std::max(loudest, levelOf(*tones, mDualChannels));
    }
    // Quiet schedules are brought up so that the loudest tone plays at full
    // volume; others keep their amplitudes as volumes.
    if (loudest > 0 && loudest < SensibleVolume) {
        mScale = 100 / loudest;
        mLosses.add(ScheduleImport::tr("volumes scaled so that the loudest tone plays at volume 100"), 0,
                    change(loudest, u"100"_s));
    }
}

int SegmentMaker::chooseChannel(const SchedulePeriod &period)
{
    if (mChannel >= 0 && mChannel < period.start.size() && soundsIn(period, mChannel))
        return int(mChannel);
    qsizetype best = -1;
    double loudest = 0;
    for (qsizetype channel = 0; channel < period.start.size(); ++channel) {
        if (!soundsIn(period, channel))
            continue;
        const double amplitude = std::max(period.start.at(channel).amplitude, period.end.at(channel).amplitude);
        if (best < 0 || amplitude > loudest) {
            best = channel;
            loudest = amplitude;
        }
    }
    if (best >= 0)
        mChannel = best;
    return int(best);
}

void SegmentMaker::noteLeftOut(const SchedulePeriod &period, const QList<qsizetype> &kept, bool silent)
{
    int further = 0;
    bool other = false;
    for (qsizetype channel = 0; channel < period.start.size(); ++channel) {
        const ScheduleTone &tone = period.start.at(channel);
        const bool heard = sounds(tone) || sounds(period.end.at(channel));
        if (isTone(tone) && heard && !kept.contains(channel))
            ++further;
        other = other || (!isTone(tone) && heard);
    }
    if (further > 0)
        mLosses.add(ScheduleImport::tr("further tones left out: the session plays one tone (two in dual sessions)"),
                    count(), QString(), true);
    if (silent && other)
        mLosses.add(ScheduleImport::tr("only sounds a session cannot play (noise, mix, bells): silent"), count(),
                    QString(), true);
}

void SegmentMaker::add(const SchedulePeriod &period, int halfSeconds, double from, double to)
{
    SessionGrid::Column column = mColumns.isEmpty() ? newSessionColumn(mKind) : mColumns.last();
    mColumns.append(column);
    column[TimeRow] = ValueLists::TimeList.at(ValueLists::HalfSecondList.indexOf(QString::number(halfSeconds)));
    column[PhaseRow] = (mKind == DualBinauralSession ? ValueLists::DualPhaseList : ValueLists::PulsedPhaseList).first();
    column[DutyCycleRow] = u"50"_s;
    column[IntensityRow] = u"0"_s;
    column[LoopSegsRow] = u"0"_s;
    column[LoopTimesRow] = u"0"_s;
    ToneSet start;
    ToneSet end;
    for (qsizetype channel = 0; channel < period.start.size(); ++channel) {
        start.append(between(period.start.at(channel), period.end.at(channel), from));
        end.append(between(period.start.at(channel), period.end.at(channel), to));
    }
    QList<qsizetype> kept;
    bool silent = true;
    bool toned = false; // the segment's tones are set
    // A silent tone keeps its values; only where no tone is there at all the
    // segment keeps the tones before it.
    auto toneAt = [&](qsizetype channel) { return isTone(period.start.at(channel)) && isTone(period.end.at(channel)); };
    if (mKind == DualBinauralSession) {
        kept = mDualChannels;
        silent = !std::any_of(kept.cbegin(), kept.cend(), [&](qsizetype c) { return soundsIn(period, c); });
        toned = !silent || (toneAt(kept.at(0)) && toneAt(kept.at(1)));
        if (toned)
            setDual(column, start, end);
    } else if (const int channel = chooseChannel(period); channel >= 0) {
        kept.append(channel);
        if (chordOf(start) > 0 || chordOf(end) > 0) {
            for (qsizetype c = 0; c < start.size(); ++c) {
                if (start.at(c).kind == ScheduleTone::Isochronic)
                    kept.append(c);
            }
        }
        silent = false;
        toned = true;
        setPulsed(column, start, end, channel);
    } else {
        qsizetype quiet = mChannel >= 0 && mChannel < period.start.size() && toneAt(mChannel) ? mChannel : -1;
        for (qsizetype c = 0; c < period.start.size() && quiet < 0; ++c)
            quiet = toneAt(c) ? c : -1;
        if (quiet >= 0) {
            toned = true;
            setPulsed(column, start, end, quiet);
        }
    }
    if (!toned) {
        column[VolumeRow] = u"0"_s;
        column[VIRampRow] = u"none"_s;
        if (mKind == DualBinauralSession)
            column[DbbRampRow] = u"jump"_s;
        else
            column[TargetFreqRow].clear();
        mLevel = 0;
    }
    noteLeftOut(period, kept, silent);
    mColumns.last() = column;
}

int SegmentMaker::beatIndex(double beat, int row)
{
    const double hertz = std::abs(beat);
    const int index = freqSnap().index(hertz);
    const double kept = freqSnap().value(index);
    const double off = std::abs(kept - hertz);
    if (off > 0.005) {
        const bool clamped = hertz > freqSnap().value(int(ValueLists::FreqList.size()) - 1) || hertz < freqSnap().value(0);
        mLosses.add(clamped ? ScheduleImport::tr("beat clamped to the list")
                            : (off > BeatTolerance ? ScheduleImport::tr("beat rounded to the list")
                                                   : ScheduleImport::tr("beat rounded to the list by at most 0.25 Hz")),
                    count(), change(hertz, ValueLists::FreqList.at(index)), off > BeatTolerance, row);
    }
    return index;
}

void SegmentMaker::setPitch(SessionGrid::Column &column, int row, const ScheduleTone &start, const ScheduleTone &end,
                            const QStringList &list)
{
    // The peers name the centre between the ears; the session the lower tone.
    auto lowerOf = [](const ScheduleTone &tone) {
        return tone.kind == ScheduleTone::Binaural ? tone.carrier - std::abs(tone.beat) / 2 : tone.carrier;
    };
    const double pitch = lowerOf(start);
    const int index = pitchSnap().index(pitch);
    column[row] = list.at(index);
    if (std::abs(list.at(index).toDouble() - pitch) > 1) // the two pitch lists part by 1 Hz at one entry
        mLosses.add(ScheduleImport::tr("pitch rounded to the list"), count(), change(pitch, list.at(index)), false, row);
    if (pitchSnap().index(lowerOf(end)) != index)
        mLosses.add(ScheduleImport::tr("pitch slide left out"), count(), QString(), false, row);
}

void SegmentMaker::setPulsed(SessionGrid::Column &column, const ToneSet &start, const ToneSet &end, qsizetype channel)
{
    const ScheduleTone &first = start.at(channel);
    const ScheduleTone &last = end.at(channel);
    column[ChordRow].clear();
    if (first.kind == ScheduleTone::Binaural) {
        column[ToneRow] = u"bb"_s;
    } else if (const int chord = std::max(chordOf(start), chordOf(end))) {
        column[ToneRow] = u"PCh"_s;
        column[ChordRow] = QString::number(chord);
    } else {
        column[ToneRow] = u"PFr"_s;
    }
    const int beat = beatIndex(first.beat, StartFreqRow);
    const int target = beatIndex(last.beat, StartFreqRow);
    column[StartFreqRow] = ValueLists::FreqList.at(beat);
    column[TargetFreqRow] = target == beat ? QString() : ValueLists::TargetFreqList.at(target + 1);
    setPitch(column, PitchRow, first, last, ValueLists::PitchList);
    if (column[ToneRow] == u"PCh"_s)
        setVolume(column, chordLevel(start), chordLevel(end));
    else
        setVolume(column, first.amplitude, last.amplitude);
}

void SegmentMaker::setDual(SessionGrid::Column &column, ToneSet start, ToneSet end)
{
    const qsizetype one = mDualChannels.at(0);
    const qsizetype two = mDualChannels.at(1);
    // Both voices play at one volume: a voice that starts or stops glides from
    // or to its own tone, one silent throughout plays the other's.
    for (const qsizetype channel : {one, two}) {
        ScheduleTone &from = start[channel];
        ScheduleTone &to = end[channel];
        if (!isTone(from) && sounds(to) && isTone(to))
            from = {to.kind, to.carrier, to.beat, 0};
        else if (!isTone(to) && sounds(from) && isTone(from))
            to = {from.kind, from.carrier, from.beat, 0};
    }
    const SchedulePeriod here{0, start, end};
    const bool oneSounds = soundsIn(here, one);
    const bool twoSounds = soundsIn(here, two);
    for (ToneSet *tones : {&start, &end}) {
        ScheduleTone &first = (*tones)[one];
        ScheduleTone &second = (*tones)[two];
        const double level = first.amplitude + second.amplitude;
        if (!oneSounds && twoSounds)
            first = second;
        else if (!twoSounds && oneSounds)
            second = first;
        first.amplitude = second.amplitude = level / 2;
    }
    column[ToneRow] = u"dbb"_s;
    const int target = beatIndex(end.at(one).beat, Freq1Row);
    const int target2 = beatIndex(end.at(two).beat, Freq2Row);
    // The first ramp of a session glides up from 0 Hz, which no list holds.
    const bool fromNothing = count() == 1 && std::abs(start.at(one).beat) < 0.005 && std::abs(start.at(two).beat) < 0.005;
    const int beat = fromNothing ? -1 : beatIndex(start.at(one).beat, Freq1Row);
    const int beat2 = fromNothing ? -1 : beatIndex(start.at(two).beat, Freq2Row);
    const bool glides = beat != target || beat2 != target2;
    const bool continues = beat == mBeat && beat2 == mBeat2;
    column[DbbRampRow] = glides || continues ? u"ramp"_s : u"jump"_s;
    if (glides && !continues)
        mLosses.add(ScheduleImport::tr("beat slide starts from the beat before it"), count(), QString(), true,
                    Freq1Row);
    column[Freq1Row] = ValueLists::FreqList.at(target);
    column[Freq2Row] = ValueLists::FreqList.at(target2);
    mBeat = target;
    mBeat2 = target2;
    setPitch(column, Pitch1Row, start.at(one), end.at(one), ValueLists::PitchList);
    setPitch(column, Pitch2Row, start.at(two), end.at(two), ValueLists::Pitch2List);
    setVolume(column, start.at(one).amplitude + start.at(two).amplitude, end.at(one).amplitude + end.at(two).amplitude);
}

void SegmentMaker::setVolume(SessionGrid::Column &column, double from, double to)
{
    auto levelOf = [this](double amplitude) {
        const int index = levelSnap().index(amplitude * mScale);
        return amplitude > 0 ? std::max(index, 1) : index; // an audible tone never plays at volume 0
    };
    const int start = levelOf(from);
    const int end = levelOf(to);
    column[VIRampRow] = u"none"_s;
    if (start != end) {
        column[VIRampRow] = u"seg"_s;
        if (start != mLevel)
            mLosses.add(ScheduleImport::tr("volume glide starts from the volume before it"), count(),
                        change(levelSnap().value(start), ValueLists::LevelList.at(mLevel)), false, VolumeRow);
    }
    column[VolumeRow] = ValueLists::LevelList.at(end);
    mLevel = end;
}

SessionGrid SegmentMaker::cells() const
{
    SessionGrid grid;
    grid.setColumnCount(count());
    for (int i = 0; i < count(); ++i)
        grid.setColumn(i, mColumns.at(i));
    return grid;
}
} // namespace

SessionImport sessionOfSchedule(const Schedule &schedule, const QList<ExchangeNote> &notes)
{
    ImportLosses losses;
    SegmentMaker maker(schedule, losses);
    QHash<int, QList<int>> segmentsOfLine; // each line's first and last segment
    auto markLine = [&](int line) {
        QList<int> &range = segmentsOfLine[line];
        if (range.isEmpty())
            range = {maker.count(), maker.count()};
        range[1] = maker.count();
    };
    double elapsed = 0;
    qint64 doneHalfSeconds = 0;
    bool full = false;
    for (const SchedulePeriod &period : schedule.periods) {
        const double seconds = std::isfinite(period.seconds) ? std::clamp(period.seconds, 0.0, 1e9) : 0.0;
        elapsed += seconds;
        // Rounded where the period ends, so that the times add up to the schedule's.
        const qint64 endHalfSeconds = std::llround(elapsed * 2);
        const qint64 halfSeconds = endHalfSeconds - doneHalfSeconds;
        if (halfSeconds <= 0)
            continue;
        qint64 at = 0;
        for (const int piece : timePieces(halfSeconds)) {
            if (maker.count() == SessionGrid::MaxSegments) {
                full = true;
                break;
            }
            maker.add(period, piece, double(at) / double(halfSeconds), double(at + piece) / double(halfSeconds));
            at += piece;
            markLine(period.line);
            markLine(period.toneLine);
        }
        doneHalfSeconds = endHalfSeconds;
        if (full)
            break;
    }
    if (maker.count() == 0)
        return {std::nullopt, ScheduleImport::tr("the schedule has no time to import"), {}};
    if (full)
        losses.add(ScheduleImport::tr("the schedule goes on beyond 1000 segments: the rest is left out"),
                   SessionGrid::MaxSegments, QString(), true);
    for (const ExchangeNote &note : notes) {
        const QList<int> range = segmentsOfLine.value(note.line);
        if (note.line <= 0 || range.isEmpty()) {
            losses.add(note.message, 0, QString(), note.changesPlay, note.row, note.line);
            continue;
        }
        for (int segment = range.at(0); segment <= range.at(1); ++segment)
            losses.add(note.message, segment, QString(), note.changesPlay, note.row, note.line);
    }
    Session session;
    session.kind = maker.kind();
    session.name = newSessionName();
    session.descriptionLines = schedule.description;
    session.cells = maker.cells();
    return {session, QString(), losses.notes()};
}

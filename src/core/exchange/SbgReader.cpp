#include "core/exchange/SbgReader.h"

#include "core/exchange/SessionImport.h"

#include <QCoreApplication>
#include <QHash>
#include <QRegularExpression>
#include <QSet>

using namespace Qt::Literals::StringLiterals;

namespace {
// One context for lupdate and the translator alike.
struct SbgImport
{
    Q_DECLARE_TR_FUNCTIONS(SbgImport)
};

// Ends the read at a line that cannot be read.
struct SbgError
{
    int line;
    QString text;
};

constexpr int MostTones = 16;
constexpr int MostTimeLines = 100000;
constexpr int DeepestBlocks = 32;

struct SourceLine
{
    int line = 0;
    QString text;
};

struct ScheduleTime
{
    enum Base { Relative, Now, Clock };
    Base base = Relative;
    double clock = 0;    // seconds after midnight
    double relative = 0; // seconds added
};

struct TimeEntry
{
    double at = 0;
    QString toneSet;
    QChar fadeIn = u'-';
    QChar fadeOut = u'-';
    bool slides = false;
    int line = 0;
};

QStringList words(const QString &text)
{
    static const QRegularExpression space(u"\\s+"_s);
    return text.split(space, Qt::SkipEmptyParts);
}

const QString Number = u"(\\d+(?:\\.\\d*)?|\\.\\d+)"_s;

class SbgParser
{
public:
    ScheduleRead read(QByteArrayView bytes);

private:
    void readLine(int line, const QString &text);
    void readOptions(int line, const QString &text);
    ToneSet readToneSet(int line, const QString &text);
    std::optional<ScheduleTone> readTone(int line, QString text);
    ScheduleTime readTime(int line, const QString &text) const;
    void addTimeLine(const SourceLine &source, std::optional<double> blockStart, int depth);
    void addEntry(const TimeEntry &entry);
    Schedule periods();
    void note(int line, const QString &message);

    QStringList mDescription;
    QHash<QString, ToneSet> mToneSets;
    QHash<QString, int> mToneSetLines;
    QHash<QString, QList<SourceLine>> mBlocks;
    QList<SourceLine> mTimeLines;
    QString mOpenBlock;
    int mOpenBlockLine = 0;
    QList<TimeEntry> mEntries;
    int mTimeLinesRead = 0; // blocks' lines counted at each call
    QList<ExchangeNote> mNotes;
    QSet<QString> mNoted;
    double mVolume = 1;
    bool mEndsAtLastLine = false;
    // Times: the last absolute one, and the clock that counts from the start.
    std::optional<double> mLastAbsolute;
    std::optional<double> mFirstClock;
    double mClockStart = 0;
    double mLastClock = 0;
    double mClockDays = 0;
};

void SbgParser::note(int line, const QString &message)
{
    const QString key = QString::number(line) + u'\t' + message;
    if (!mNoted.contains(key)) {
        mNoted.insert(key);
        mNotes.append({0, 0, line, message});
    }
}

ScheduleRead SbgParser::read(QByteArrayView bytes)
{
    try {
        int line = 0;
        qsizetype from = 0;
        while (from < bytes.size()) {
            qsizetype to = bytes.indexOf('\n', from);
            if (to < 0)
                to = bytes.size();
            QByteArrayView raw = bytes.sliced(from, to - from);
            if (raw.endsWith('\r'))
                raw.chop(1);
            readLine(++line, QString::fromUtf8(raw));
            from = to + 1;
        }
        if (!mOpenBlock.isEmpty())
            throw SbgError{mOpenBlockLine, SbgImport::tr("the block \"%1\" is not closed with \"}\"").arg(mOpenBlock)};
        for (const SourceLine &source : std::as_const(mTimeLines))
            addTimeLine(source, std::nullopt, 0);
        if (mEntries.isEmpty())
            throw SbgError{line, SbgImport::tr("no time-sequence line: nothing plays")};
        Schedule schedule = periods();
        return {schedule, QString(), mNotes};
    } catch (const SbgError &error) {
        return {std::nullopt, atLine(error.line, error.text), {}};
    }
}

void SbgParser::readLine(int line, const QString &text)
{
    QString content = text.trimmed();
    if (content.startsWith(u"##"_s)) {
        mDescription.append(content.mid(2).trimmed());
        return;
    }
    if (const qsizetype hash = content.indexOf(u'#'); hash >= 0)
        content = content.left(hash).trimmed();
    if (content.isEmpty())
        return;
    if (!mOpenBlock.isEmpty()) {
        if (content == u"}"_s)
            mOpenBlock.clear();
        else
            mBlocks[mOpenBlock].append({line, content});
        return;
    }
    if (content.startsWith(u'-')) {
        readOptions(line, content);
        return;
    }
    static const QRegularExpression definition(u"^([A-Za-z][A-Za-z0-9_-]*):\\s*(.*)$"_s);
    const QRegularExpressionMatch match = definition.match(content);
    if (!match.hasMatch()) {
        mTimeLines.append({line, content});
        return;
    }
    const QString name = match.captured(1);
    const QString rest = match.captured(2);
    if (mToneSets.contains(name) || mBlocks.contains(name))
        throw SbgError{line, SbgImport::tr("\"%1\" is defined twice").arg(name)};
    if (rest == u"{"_s) {
        mOpenBlock = name;
        mOpenBlockLine = line;
        mBlocks.insert(name, {});
        return;
    }
    static const QRegularExpression waveform(u"^(wave|custom)\\d\\d$"_s);
    if (waveform.match(name).hasMatch()) {
        note(line, SbgImport::tr("waveform definition %1 left out").arg(name));
        return;
    }
    mToneSets.insert(name, readToneSet(line, rest));
    mToneSetLines.insert(name, line);
}

void SbgParser::readOptions(int line, const QString &text)
{
    const QStringList tokens = words(text);
    static const QString WithArgument = u"TLmMVwobrcFR"_s;
    static const QString WithOptionalArgument = u"IHA"_s;
    for (qsizetype i = 0; i < tokens.size(); ++i) {
        const QString &token = tokens.at(i);
        if (!token.startsWith(u'-') || token.size() < 2)
            throw SbgError{line, SbgImport::tr("cannot read option \"%1\"").arg(token)};
        for (qsizetype j = 1; j < token.size(); ++j) {
            const QChar option = token.at(j);
            if (option == u'p' || option == u'i') {
                note(line, SbgImport::tr("option -%1 left out: the file's own lines are read").arg(option));
                return;
            }
            QString argument;
            const bool takes = WithArgument.contains(option);
            if (takes || WithOptionalArgument.contains(option)) {
                argument = token.mid(j + 1);
                if (argument.isEmpty() && i + 1 < tokens.size() && (takes || !tokens.at(i + 1).startsWith(u'-')))
                    argument = tokens.at(++i);
                if (takes && argument.isEmpty())
                    throw SbgError{line, SbgImport::tr("option -%1 needs a value").arg(option)};
                j = token.size();
            }
            switch (option.unicode()) {
            case u'S':
            case u'Q':
            case u'N':
            case u'D':
                break;
            case u'E':
                mEndsAtLastLine = true;
                break;
            case u'V': {
                bool ok = false;
                const double level = argument.toDouble(&ok);
                if (!ok || level < 0 || level > 100)
                    throw SbgError{line, SbgImport::tr("cannot read volume \"%1\"").arg(argument)};
                mVolume = level / 100;
                break;
            }
            case u'T':
                note(line, SbgImport::tr("start at clock time %1 left out").arg(argument));
                break;
            case u'L':
                note(line, SbgImport::tr("length %1 left out: the time lines give the length").arg(argument));
                break;
            case u'm':
            case u'M':
                note(line, SbgImport::tr("mix input left out"));
                break;
            case u'w':
                if (argument != u"sine"_s)
                    note(line, SbgImport::tr("waveform %1 left out: tones play as sines").arg(argument));
                break;
            default:
                note(line, SbgImport::tr("option -%1 left out").arg(option));
                break;
            }
        }
    }
}

ToneSet SbgParser::readToneSet(int line, const QString &text)
{
    const QStringList tokens = words(text);
    if (tokens.isEmpty())
        throw SbgError{line, SbgImport::tr("a tone-set needs at least one tone, or \"-\"")};
    if (tokens.size() > MostTones)
        throw SbgError{line, SbgImport::tr("more than 16 tones in one tone-set")};
    ToneSet tones;
    for (const QString &token : tokens) {
        if (const std::optional<ScheduleTone> tone = readTone(line, token))
            tones.append(*tone);
    }
    return tones;
}

std::optional<ScheduleTone> SbgParser::readTone(int line, QString text)
{
    if (text == u"-"_s)
        return std::nullopt;
    static const QRegularExpression waveform(u"^(sine|square|triangle|sawtooth):(.+)$"_s);
    static const QRegularExpression envelope(u"^((?:wave|custom)\\d\\d):(.+)$"_s);
    for (;;) {
        if (const QRegularExpressionMatch match = waveform.match(text); match.hasMatch()) {
            if (match.captured(1) != u"sine"_s)
                note(line, SbgImport::tr("%1 waveform left out: tones play as sines").arg(match.captured(1)));
            text = match.captured(2);
        } else if (const QRegularExpressionMatch match = envelope.match(text); match.hasMatch()) {
            note(line, SbgImport::tr("envelope %1 left out").arg(match.captured(1)));
            text = match.captured(2);
        } else {
            break;
        }
    }
    static const QRegularExpression noise(u"^(pink|white|brown)/"_s + Number + u'$');
    static const QRegularExpression mix(u"^mix/"_s + Number + u'$');
    static const QRegularExpression effect(u"^(mixspin|mixpulse|mixbeat|mixam):\\S*$"_s);
    static const QRegularExpression spin(u"^(spin|bspin|wspin):\\S*$"_s);
    static const QRegularExpression bell(u"^bell[+-]?\\S*$"_s);
    static const QRegularExpression binaural(u"^"_s + Number + u"([+-])"_s + Number + u'/' + Number + u'$');
    static const QRegularExpression isochronic(u"^"_s + Number + u'@' + Number + u'/' + Number + u'$');
    static const QRegularExpression sine(u"^"_s + Number + u'/' + Number + u'$');
    if (const QRegularExpressionMatch match = noise.match(text); match.hasMatch()) {
        note(line, SbgImport::tr("%1 noise left out").arg(match.captured(1)));
        return std::nullopt;
    }
    if (mix.match(text).hasMatch()) {
        note(line, SbgImport::tr("mix input left out"));
        return std::nullopt;
    }
    if (const QRegularExpressionMatch match = effect.match(text); match.hasMatch()) {
        note(line, SbgImport::tr("mix effect %1 left out").arg(match.captured(1)));
        return std::nullopt;
    }
    if (const QRegularExpressionMatch match = spin.match(text); match.hasMatch()) {
        note(line, SbgImport::tr("spin voice %1 left out").arg(match.captured(1)));
        return std::nullopt;
    }
    if (bell.match(text).hasMatch()) {
        note(line, SbgImport::tr("bell left out"));
        return std::nullopt;
    }
    if (const QRegularExpressionMatch match = binaural.match(text); match.hasMatch()) {
        return ScheduleTone{ScheduleTone::Binaural, match.captured(1).toDouble(), match.captured(3).toDouble(),
                            match.captured(4).toDouble()};
    }
    if (const QRegularExpressionMatch match = isochronic.match(text); match.hasMatch()) {
        return ScheduleTone{ScheduleTone::Isochronic, match.captured(1).toDouble(), match.captured(2).toDouble(),
                            match.captured(3).toDouble()};
    }
    if (const QRegularExpressionMatch match = sine.match(text); match.hasMatch())
        return ScheduleTone{ScheduleTone::Binaural, match.captured(1).toDouble(), 0, match.captured(2).toDouble()};
    throw SbgError{line, SbgImport::tr("cannot read the tone \"%1\"").arg(text)};
}

ScheduleTime SbgParser::readTime(int line, const QString &text) const
{
    static const QRegularExpression form(u"^(NOW|(\\d{1,2}):(\\d{2})(?::(\\d{2}))?)?((?:\\+\\d{1,4}:\\d{2}(?::\\d{2})?)*)$"_s);
    static const QRegularExpression part(u"\\+(\\d{1,4}):(\\d{2})(?::(\\d{2}))?"_s);
    const QRegularExpressionMatch match = form.match(text);
    if (!match.hasMatch() || text.isEmpty())
        throw SbgError{line, SbgImport::tr("cannot read the time \"%1\"").arg(text)};
    ScheduleTime when;
    if (match.captured(1) == u"NOW"_s) {
        when.base = ScheduleTime::Now;
    } else if (match.hasCaptured(2)) {
        const int hours = match.captured(2).toInt();
        const int minutes = match.captured(3).toInt();
        const int seconds = match.captured(4).toInt();
        if (hours > 23 || minutes > 59 || seconds > 59)
            throw SbgError{line, SbgImport::tr("cannot read the time \"%1\"").arg(text)};
        when.base = ScheduleTime::Clock;
        when.clock = hours * 3600.0 + minutes * 60.0 + seconds;
    }
    QRegularExpressionMatchIterator parts = part.globalMatch(match.captured(5));
    while (parts.hasNext()) {
        const QRegularExpressionMatch relative = parts.next();
        const int minutes = relative.captured(2).toInt();
        const int seconds = relative.captured(3).toInt();
        if (minutes > 59 || seconds > 59)
            throw SbgError{line, SbgImport::tr("cannot read the time \"%1\"").arg(text)};
        when.relative += relative.captured(1).toInt() * 3600.0 + minutes * 60.0 + seconds;
    }
    return when;
}

void SbgParser::addTimeLine(const SourceLine &source, std::optional<double> blockStart, int depth)
{
    if (++mTimeLinesRead > MostTimeLines)
        throw SbgError{source.line, SbgImport::tr("more than 100000 time-sequence lines")};
    const QStringList tokens = words(source.text);
    const ScheduleTime when = readTime(source.line, tokens.first());
    double at = 0;
    if (blockStart) {
        if (when.base != ScheduleTime::Relative)
            throw SbgError{source.line, SbgImport::tr("a block's times must be relative (\"+hh:mm\")")};
        at = *blockStart + when.relative;
    } else if (when.base == ScheduleTime::Clock) {
        if (!mFirstClock) {
            mFirstClock = when.clock;
            mClockStart = mEntries.isEmpty() ? 0 : mEntries.last().at;
        } else if (when.clock < mLastClock) {
            mClockDays += 24 * 3600; // a clock time earlier than the last is on the next day
        }
        mLastClock = when.clock;
        note(source.line, SbgImport::tr("clock time read as the time after the first clock time"));
        mLastAbsolute = mClockStart + mClockDays + when.clock - *mFirstClock;
        at = *mLastAbsolute + when.relative;
    } else {
        if (when.base == ScheduleTime::Now)
            mLastAbsolute = 0;
        at = mLastAbsolute.value_or(0) + when.relative;
    }

    if (tokens.size() == 2 && mBlocks.contains(tokens.at(1))) {
        if (depth >= DeepestBlocks)
            throw SbgError{source.line, SbgImport::tr("blocks call each other too deeply")};
        for (const SourceLine &line : mBlocks.value(tokens.at(1)))
            addTimeLine(line, at, depth + 1);
        return;
    }
    TimeEntry entry;
    entry.at = at;
    entry.line = source.line;
    qsizetype next = 1;
    static const QRegularExpression fades(u"^[<=-][>=-]$"_s);
    if (next < tokens.size() && fades.match(tokens.at(next)).hasMatch()) {
        entry.fadeIn = tokens.at(next).at(0);
        entry.fadeOut = tokens.at(next).at(1);
        ++next;
    }
    if (next >= tokens.size())
        throw SbgError{source.line, SbgImport::tr("a time needs a tone-set or a block")};
    entry.toneSet = tokens.at(next++);
    if (!mToneSets.contains(entry.toneSet) && entry.toneSet != u"off"_s)
        throw SbgError{source.line, SbgImport::tr("no tone-set or block is named \"%1\"").arg(entry.toneSet)};
    if (next < tokens.size() && tokens.at(next) == u"->"_s) {
        entry.slides = true;
        ++next;
    }
    if (next < tokens.size())
        throw SbgError{source.line, SbgImport::tr("cannot read \"%1\"").arg(tokens.at(next))};
    addEntry(entry);
}

void SbgParser::addEntry(const TimeEntry &entry)
{
    if (!mEntries.isEmpty() && entry.at < mEntries.last().at)
        throw SbgError{entry.line, SbgImport::tr("this time comes before the time of the line before")};
    mEntries.append(entry);
}

Schedule SbgParser::periods()
{
    Schedule schedule;
    schedule.description = mDescription;
    auto tonesOf = [this](const QString &name) {
        ToneSet tones = mToneSets.value(name);
        for (ScheduleTone &tone : tones)
            tone.amplitude *= mVolume;
        return tones;
    };
    int counted = 0;
    for (qsizetype k = 0; k + 1 < mEntries.size(); ++k) {
        const TimeEntry &entry = mEntries.at(k);
        const TimeEntry &next = mEntries.at(k + 1);
        if (next.at <= entry.at)
            continue; // a step: the next line takes over at once
        SchedulePeriod period;
        period.seconds = next.at - entry.at;
        period.line = entry.line;
        period.toneLine = mToneSetLines.value(entry.toneSet);
        period.start = tonesOf(entry.toneSet);
        const bool slides = entry.slides && entry.fadeOut == u'=' && next.fadeIn == u'=';
        period.end = slides ? tonesOf(next.toneSet) : period.start;
        if (entry.slides && !slides && entry.toneSet != next.toneSet)
            note(entry.line, SbgImport::tr("fade across the period left out: slides need \"=\" on both lines"));
        schedule.periods.append(period);
        if (period.seconds >= 0.25 && ++counted == MostImportedPeriods)
            return schedule;
    }
    const TimeEntry &last = mEntries.last();
    if (!mEndsAtLastLine && !mToneSets.value(last.toneSet).isEmpty())
        note(last.line, SbgImport::tr("the schedule ends at the last line; its tone-set is not played"));
    return schedule;
}
} // namespace

ScheduleRead readSbgSchedule(QByteArrayView bytes)
{
    return SbgParser().read(bytes);
}

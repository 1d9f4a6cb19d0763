#include "core/exchange/SbgReader.h"

#include "core/exchange/SbgCycle.h"
#include "core/exchange/SessionImport.h"

#include <QCoreApplication>
#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <cmath>

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

constexpr int MostChannels = 16;
constexpr int MostTimeLines = 20000;
constexpr int DeepestBlocks = 32;
constexpr int WholeDay = 86400000;
constexpr int DefaultFade = 60000;
// A schedule that plays until stopped is given this length unless one is asked for.
constexpr int OpenLength = 30 * 60000;

struct SourceLine
{
    int line = 0;
    QString text;
};

QStringList words(const QString &text)
{
    static const QRegularExpression space(u"\\s+"_s);
    return text.split(space, Qt::SkipEmptyParts);
}

const QString Number = u"(\\d+(?:\\.\\d*)?|\\.\\d+)"_s;

// "hh:mm" or "hh:mm:ss", one or two digits each, within a day.
std::optional<int> clockMilliseconds(const QString &text)
{
    static const QRegularExpression form(u"^(\\d{1,2}):(\\d{1,2})(?::(\\d{1,2}))?$"_s);
    const QRegularExpressionMatch match = form.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    const int hours = match.captured(1).toInt();
    const int minutes = match.captured(2).toInt();
    const int seconds = match.captured(3).toInt();
    if (hours > 23 || minutes > 59 || seconds > 59)
        return std::nullopt;
    return ((hours * 60 + minutes) * 60 + seconds) * 1000;
}

QString clockText(qint64 milliseconds)
{
    const qint64 seconds = milliseconds / 1000;
    return u"%1:%2:%3"_s.arg(seconds / 3600).arg(seconds / 60 % 60, 2, 10, QChar(u'0')).arg(seconds % 60, 2, 10, QChar(u'0'));
}

class SbgParser
{
public:
    explicit SbgParser(const ScheduleReadOptions &options) : mOptions(options) {}
    ScheduleRead read(QByteArrayView bytes);

private:
    void readLine(int line, const QString &text);
    void readOptions(int line, const QString &text);
    void readSlideProgram(int line, QStringList arguments);
    SbgVoices readToneSet(int line, const QString &text);
    SbgVoice readVoice(int line, QString text);
    int readTime(int line, const QString &text);
    void addTimeLine(const SourceLine &source, const QString &prefix, int depth);
    Schedule schedule(const QList<SbgPlayedPeriod> &played) const;
    void note(int line, const QString &message, bool changesPlay = false);

    ScheduleReadOptions mOptions;
    SbgProgram mProgram;
    QStringList mDescription;
    QHash<QString, int> mToneSets; // name to index
    QHash<QString, QList<SourceLine>> mBlocks;
    QList<SourceLine> mTimeLines;
    QString mOpenBlock;
    int mOpenBlockLine = 0;
    int mTimeLinesRead = 0;
    QList<ExchangeNote> mNotes;
    QSet<QString> mNoted;
    bool mOptionsAllowed = true;
    bool mDefinedOff = false; // "off" is silence until a file defines it
    bool mProgramGiven = false; // -p: the schedule is the program's, not the file's lines
    int mFade = DefaultFade;
    int mLastAbsolute = 0; // the last clock time, or NOW as midnight
    bool mHasAbsolute = false;
};

void SbgParser::note(int line, const QString &message, bool changesPlay)
{
    const QString key = QString::number(line) + u'\t' + message;
    if (!mNoted.contains(key)) {
        mNoted.insert(key);
        ExchangeNote note{0, 0, line, message};
        note.changesPlay = changesPlay;
        mNotes.append(note);
    }
}

ScheduleRead SbgParser::read(QByteArrayView bytes)
{
    try {
        mProgram.toneSets.append({SbgVoices(MostChannels), 0});
        mToneSets.insert(u"off"_s, 0);
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
        if (mProgramGiven && !mTimeLines.isEmpty())
            note(mTimeLines.first().line, SbgImport::tr("time lines left out: the -p program plays instead"));
        for (const SourceLine &source : std::as_const(mTimeLines)) {
            if (!mProgramGiven)
                addTimeLine(source, QString(), 0);
        }
        if (mProgram.entries.isEmpty())
            throw SbgError{line, SbgImport::tr("no time-sequence line: nothing plays")};
        for (SbgToneSet &set : mProgram.toneSets)
            set.voices.resize(mProgram.channels);

        ScheduleRead read;
        const SbgEntry &first = mProgram.entries.first();
        const SbgEntry &last = mProgram.entries.last();
        const int duration = (last.at - first.at + WholeDay) % WholeDay;
        qint64 length = duration;
        if (mOptions.seconds > 0) {
            length = std::llround(mOptions.seconds * 1000);
        } else if (mProgram.lengthOption > 0) {
            length = mProgram.lengthOption;
        } else if (duration == 0) {
            length = OpenLength;
            read.openLength = OpenLength / 1000.0;
            note(0, SbgImport::tr("the schedule plays until stopped: imported as %1 long").arg(clockText(OpenLength)), true);
        } else if (!mProgram.endsAtLastLine && !mProgram.toneSets.at(last.toneSet).voices.isEmpty()
                   && std::any_of(mProgram.toneSets.at(last.toneSet).voices.cbegin(),
                                  mProgram.toneSets.at(last.toneSet).voices.cend(),
                                  [](const SbgVoice &voice) { return voice.amplitude > 0; })) {
            note(last.line, SbgImport::tr("the last tone-set plays on until stopped: the session ends at its line"), true);
        }
        const SbgCycle cycle(mProgram, mFade);
        const QList<SbgPlayedPeriod> played = cycle.play(first.at, length);
        qint64 playedLength = 0;
        for (const SbgPlayedPeriod &period : played)
            playedLength += period.milliseconds;
        if (playedLength < length)
            note(0, SbgImport::tr("the schedule goes on beyond what a session holds: the rest after %1 is left out")
                        .arg(clockText(playedLength)), true);
        read.schedule = schedule(played);
        read.origin = first.at / 1000.0;
        read.notes = mNotes;
        return read;
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
    if (content.startsWith(u'-') && mOptionsAllowed) {
        readOptions(line, content);
        return;
    }
    mOptionsAllowed = false;
    static const QRegularExpression definition(u"^([A-Za-z][A-Za-z0-9_-]*):\\s*(.*)$"_s);
    const QRegularExpressionMatch match = definition.match(content);
    if (!match.hasMatch()) {
        mTimeLines.append({line, content});
        return;
    }
    const QString name = match.captured(1);
    const QString rest = match.captured(2);
    if ((mToneSets.contains(name) && (name != u"off"_s || mDefinedOff)) || mBlocks.contains(name))
        throw SbgError{line, SbgImport::tr("\"%1\" is defined twice").arg(name)};
    if (rest == u"{"_s) {
        mOpenBlock = name;
        mOpenBlockLine = line;
        mBlocks.insert(name, {});
        return;
    }
    static const QRegularExpression shape(u"^(wave|custom|noise|spin)\\d\\d$"_s);
    if (shape.match(name).hasMatch()) {
        note(line, SbgImport::tr("shape definition %1 left out: tones play as sines").arg(name));
        return;
    }
    mDefinedOff = mDefinedOff || name == u"off"_s;
    mToneSets.insert(name, int(mProgram.toneSets.size()));
    mProgram.toneSets.append({readToneSet(line, rest), line});
}

void SbgParser::readOptions(int line, const QString &text)
{
    const QStringList tokens = words(text);
    static const QString WithArgument = u"TLmFBVwcqrboKJXU"_s;
    static const QString WithOptionalArgument = u"IHA"_s;
    for (qsizetype i = 0; i < tokens.size(); ++i) {
        const QString &token = tokens.at(i);
        if (!token.startsWith(u'-') || token.size() < 2) {
            note(line, SbgImport::tr("option value \"%1\" left out").arg(token));
            continue;
        }
        for (qsizetype j = 1; j < token.size(); ++j) {
            const QChar option = token.at(j);
            if (option == u'p' && tokens.value(i + 1) == u"slide"_s) {
                readSlideProgram(line, tokens.mid(i + 2));
                return;
            }
            if (option == u'p' || option == u'i') {
                if (option == u'p')
                    throw SbgError{line, SbgImport::tr("the program -p %1 is not read: only -p slide is").arg(tokens.value(i + 1))};
                note(line, SbgImport::tr("option -%1 left out: the file's own lines are read").arg(option), true);
                return;
            }
            QString argument;
            const bool takes = WithArgument.contains(option);
            if (takes || WithOptionalArgument.contains(option)) {
                argument = token.mid(j + 1);
                if (argument.isEmpty() && i + 1 < tokens.size() && (takes || !tokens.at(i + 1).startsWith(u'-')))
                    argument = tokens.at(++i);
                j = token.size();
            }
            switch (option.unicode()) {
            case u'S':
            case u'Q':
            case u'D':
            case u'N':
            case u'V': // volumes are scaled to the session's own anyway
                break;
            case u'E':
                mProgram.endsAtLastLine = true;
                break;
            case u'L':
                if (const std::optional<int> length = clockMilliseconds(argument); length && *length > 0)
                    mProgram.lengthOption = *length;
                else
                    note(line, SbgImport::tr("cannot read the length \"%1\": left out").arg(argument));
                break;
            case u'F': {
                bool ok = false;
                const int fade = argument.toInt(&ok);
                if (ok && fade >= 0 && fade <= WholeDay)
                    mFade = fade;
                else
                    note(line, SbgImport::tr("cannot read the fade time \"%1\": left out").arg(argument));
                break;
            }
            case u'q':
                if (argument != u"1"_s)
                    note(line, SbgImport::tr("fast play -q %1 left out: the schedule plays in its own time").arg(argument), true);
                break;
            case u'T':
                note(line, SbgImport::tr("start at clock time %1 left out").arg(argument));
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

// "-p slide [tMINUTES] TONE EXTRA...": the tone's carrier slides down to half
// its beat over the minutes (30 by default), the beat held; then it fades out
// over ten seconds.
void SbgParser::readSlideProgram(int line, QStringList arguments)
{
    int minutes = 30;
    if (!arguments.isEmpty() && arguments.first().startsWith(u't')) {
        bool ok = false;
        minutes = arguments.takeFirst().mid(1).toInt(&ok);
        if (!ok || minutes <= 0 || minutes > 24 * 60 - 1)
            throw SbgError{line, SbgImport::tr("cannot read the length of -p slide")};
    }
    if (arguments.isEmpty())
        throw SbgError{line, SbgImport::tr("-p slide needs a tone")};
    SbgVoices start = readToneSet(line, arguments.join(u' '));
    SbgVoice &tone = start[0];
    if (!tone.isTone())
        throw SbgError{line, SbgImport::tr("-p slide needs a tone first, not \"%1\"").arg(arguments.first())};
    SbgVoices end = start;
    end[0].carrier = std::abs(tone.beat) / 2;
    SbgVoices silent = end;
    silent[0].amplitude = 0;
    const int length = minutes * 60000;
    int at = 0;
    for (const SbgVoices &voices : {start, end, silent}) {
        mProgram.toneSets.append({voices, line});
        mProgram.entries.append({at, SbgFade::Slide, SbgFade::Slide, at < length + 10000, int(mProgram.toneSets.size()) - 1, line});
        at = at == 0 ? length : length + 10000;
    }
    mProgram.endsAtLastLine = true;
    mFade = 0;
    mProgramGiven = true;
}

SbgVoices SbgParser::readToneSet(int line, const QString &text)
{
    const QStringList tokens = words(text);
    if (tokens.isEmpty())
        throw SbgError{line, SbgImport::tr("a tone-set needs at least one tone, or \"-\"")};
    if (tokens.size() > MostChannels)
        note(line, SbgImport::tr("more than 16 voices: the rest are left out"), true);
    SbgVoices voices;
    for (const QString &token : tokens.mid(0, MostChannels))
        voices.append(readVoice(line, token));
    mProgram.channels = std::max(mProgram.channels, int(voices.size()));
    voices.resize(MostChannels);
    return voices;
}

SbgVoice SbgParser::readVoice(int line, QString text)
{
    SbgVoice voice;
    if (text == u"-"_s)
        return voice;
    static const QStringList waveforms{u"sine"_s, u"square"_s, u"triangle"_s, u"sawtooth"_s};
    static const QRegularExpression prefix(u"^(sine|square|triangle|sawtooth|(?:wave|custom)\\d\\d):(.+)$"_s);
    for (QRegularExpressionMatch match = prefix.match(text); match.hasMatch(); match = prefix.match(text)) {
        const QString name = match.captured(1);
        if (name.startsWith(u"wave"_s) || name.startsWith(u"custom"_s)) {
            note(line, SbgImport::tr("envelope %1 left out").arg(name));
            voice.type = SbgVoice::Custom;
            voice.shape = name.right(2).toInt() + (name.startsWith(u'c') ? 100 : 0);
        } else {
            voice.waveform = int(waveforms.indexOf(name));
            if (voice.waveform != 0)
                note(line, SbgImport::tr("%1 waveform left out: tones play as sines").arg(name));
        }
        text = match.captured(2);
    }
    static const QRegularExpression noise(u"^(pink|white|brown|noise\\d\\d)/"_s + Number + u'$');
    static const QRegularExpression mix(u"^mix/"_s + Number + u'$');
    static const QRegularExpression effect(u"^(mixspin|mixpulse|mixbeat|mixam|noisepulse|noisebeat|orbitbeat):.*?(?:/"_s
                                           + Number + u")?$"_s);
    static const QRegularExpression spin(u"^(?:(?:noise|spin)\\d\\d:)?(spin|bspin|wspin):"_s + Number + u"[+-]"_s + Number
                                         + u'/' + Number + u'$');
    static const QRegularExpression bell(u"^bell[+-]?"_s + Number + u'/' + Number + u'$');
    static const QRegularExpression binaural(u"^"_s + Number + u"([+-])"_s + Number + u'/' + Number + u'$');
    static const QRegularExpression isochronic(u"^"_s + Number + u'@' + Number + u'/' + Number + u'$');
    static const QRegularExpression sine(u"^"_s + Number + u'/' + Number + u'$');
    if (const QRegularExpressionMatch match = noise.match(text); match.hasMatch()) {
        const QString kind = match.captured(1);
        note(line, SbgImport::tr("%1 noise left out").arg(kind));
        return {SbgVoice::Noise, int(QStringList{u"pink"_s, u"white"_s, u"brown"_s}.indexOf(kind)) + 1, 0, 0, 0,
                match.captured(2).toDouble()};
    }
    // The music bed: "mix/NN" plays the -m input.
    if (const QRegularExpressionMatch match = mix.match(text); match.hasMatch()) {
        note(line, SbgImport::tr("mix input left out"));
        return {SbgVoice::Mix, 0, 0, 0, 0, match.captured(1).toDouble()};
    }
    if (const QRegularExpressionMatch match = spin.match(text); match.hasMatch()) {
        note(line, SbgImport::tr("spin voice %1 left out").arg(match.captured(1)));
        return {SbgVoice::Spin, int(QStringList{u"spin"_s, u"bspin"_s, u"wspin"_s}.indexOf(match.captured(1))), 0,
                match.captured(2).toDouble(), match.captured(3).toDouble(), match.captured(4).toDouble()};
    }
    if (const QRegularExpressionMatch match = effect.match(text); match.hasMatch()) {
        note(line, SbgImport::tr("mix effect %1 left out").arg(match.captured(1)));
        return {SbgVoice::MixEffect, 0, 0, 0, 0, match.captured(2).toDouble()};
    }
    if (const QRegularExpressionMatch match = bell.match(text); match.hasMatch()) {
        note(line, SbgImport::tr("bell left out"));
        return {SbgVoice::Bell, 0, 0, match.captured(1).toDouble(), 0, match.captured(2).toDouble()};
    }
    const SbgVoice::Type toneType = voice.type == SbgVoice::Custom ? SbgVoice::Custom : SbgVoice::Binaural;
    if (const QRegularExpressionMatch match = binaural.match(text); match.hasMatch()) {
        const double beat = match.captured(3).toDouble();
        return {toneType, voice.shape, voice.waveform, match.captured(1).toDouble(),
                match.captured(2) == u"-"_s ? -beat : beat, match.captured(4).toDouble()};
    }
    if (const QRegularExpressionMatch match = isochronic.match(text); match.hasMatch()) {
        return {SbgVoice::Isochronic, voice.shape, voice.waveform, match.captured(1).toDouble(),
                match.captured(2).toDouble(), match.captured(3).toDouble()};
    }
    if (const QRegularExpressionMatch match = sine.match(text); match.hasMatch())
        return {toneType, voice.shape, voice.waveform, match.captured(1).toDouble(), 0, match.captured(2).toDouble()};
    static const QRegularExpression otherShape(u"^(?:noise|spin|custom)\\d\\d[:/]"_s);
    if (otherShape.match(text).hasMatch()) {
        note(line, SbgImport::tr("voice %1 left out").arg(text));
        return {SbgVoice::MixEffect, 0, 0, 0, 0, 0};
    }
    throw SbgError{line, SbgImport::tr("cannot read the tone \"%1\"").arg(text)};
}

// Milliseconds after midnight: "NOW" or a clock time, then any "+hh:mm[:ss]";
// or relative times alone, from the last clock time (NOW is midnight).
int SbgParser::readTime(int line, const QString &text)
{
    static const QRegularExpression parts(u"^(NOW|[^+]+)?((?:\\+[^+]+)*)$"_s);
    const QRegularExpressionMatch match = parts.match(text);
    if (!match.hasMatch() || text.isEmpty())
        throw SbgError{line, SbgImport::tr("cannot read the time \"%1\"").arg(text)};
    qint64 at = 0;
    const QString base = match.captured(1);
    if (base == u"NOW"_s) {
        mLastAbsolute = 0;
        mHasAbsolute = true;
    } else if (!base.isEmpty()) {
        const std::optional<int> clock = clockMilliseconds(base);
        if (!clock)
            throw SbgError{line, SbgImport::tr("cannot read the time \"%1\"").arg(text)};
        mLastAbsolute = *clock;
        mHasAbsolute = true;
    }
    if (!mHasAbsolute)
        throw SbgError{line, SbgImport::tr("a relative time needs a clock time or NOW before it")};
    at = mLastAbsolute;
    const QString relative = match.captured(2);
    for (const QString &part : relative.split(u'+', Qt::SkipEmptyParts)) {
        const std::optional<int> added = clockMilliseconds(part);
        if (!added)
            throw SbgError{line, SbgImport::tr("cannot read the time \"%1\"").arg(text)};
        at = (at + *added) % WholeDay;
    }
    return int(at);
}

void SbgParser::addTimeLine(const SourceLine &source, const QString &prefix, int depth)
{
    if (++mTimeLinesRead > MostTimeLines)
        throw SbgError{source.line, SbgImport::tr("more than %1 time-sequence lines").arg(MostTimeLines)};
    const QStringList tokens = words(source.text);
    const QString time = prefix + tokens.first();
    if (!prefix.isEmpty() && !tokens.first().startsWith(u'+'))
        throw SbgError{source.line, SbgImport::tr("a block's times must be relative (\"+hh:mm\")")};
    const int at = readTime(source.line, time);

    static const QRegularExpression fades(u"^[<=-][>=-]$"_s);
    auto fadeOf = [](QChar mark) {
        return mark == u'=' ? SbgFade::Slide : (mark == u'-' ? SbgFade::Through : SbgFade::Silence);
    };
    SbgEntry entry;
    entry.at = at;
    entry.line = source.line;
    qsizetype next = 1;
    // Fade marks before the tone-set; SBaGenX takes them after it too, where "->" is the slide.
    auto readFades = [&](bool afterName) {
        if (next < tokens.size() && !(afterName && tokens.at(next) == u"->"_s) && fades.match(tokens.at(next)).hasMatch()) {
            entry.fadeIn = fadeOf(tokens.at(next).at(0));
            entry.fadeOut = fadeOf(tokens.at(next).at(1));
            ++next;
        }
    };
    readFades(false);
    if (next >= tokens.size())
        throw SbgError{source.line, SbgImport::tr("a time needs a tone-set or a block")};
    const QString name = tokens.at(next++);
    if (mBlocks.contains(name)) {
        if (depth >= DeepestBlocks)
            throw SbgError{source.line, SbgImport::tr("blocks call each other too deeply")};
        for (const SourceLine &line : mBlocks.value(name))
            addTimeLine(line, time, depth + 1);
        return;
    }
    if (!mToneSets.contains(name))
        throw SbgError{source.line, SbgImport::tr("no tone-set or block is named \"%1\"").arg(name)};
    entry.toneSet = mToneSets.value(name);
    readFades(true);
    if (next < tokens.size() && tokens.at(next) == u"->"_s) {
        entry.slides = true;
        ++next;
    }
    if (next < tokens.size())
        throw SbgError{source.line, SbgImport::tr("cannot read \"%1\"").arg(tokens.at(next))};
    mProgram.entries.append(entry);
}

ScheduleTone toneOf(const SbgVoice &voice)
{
    ScheduleTone tone{ScheduleTone::Other, voice.carrier, voice.beat, voice.amplitude};
    if (voice.type == SbgVoice::Binaural || voice.type == SbgVoice::Custom)
        tone.kind = ScheduleTone::Binaural;
    else if (voice.type == SbgVoice::Isochronic)
        tone.kind = ScheduleTone::Isochronic;
    if (voice.type == SbgVoice::Off)
        tone = {ScheduleTone::Other, 0, 0, 0};
    return tone;
}

Schedule SbgParser::schedule(const QList<SbgPlayedPeriod> &played) const
{
    Schedule schedule;
    schedule.description = mDescription;
    for (const SbgPlayedPeriod &period : played) {
        SchedulePeriod made;
        made.seconds = period.milliseconds / 1000.0;
        made.line = period.line;
        made.toneLine = mProgram.toneSets.at(period.toneSet).line;
        for (int channel = 0; channel < mProgram.channels; ++channel) {
            made.start.append(toneOf(period.start.at(channel)));
            made.end.append(toneOf(period.end.at(channel)));
        }
        schedule.periods.append(made);
    }
    return schedule;
}
} // namespace

ScheduleRead readSbgSchedule(QByteArrayView bytes, const ScheduleReadOptions &options)
{
    return SbgParser(options).read(bytes);
}

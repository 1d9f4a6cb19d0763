#include "core/exchange/GnauralReader.h"

#include "core/exchange/SessionImport.h"

#include <QCoreApplication>
#include <QSet>
#include <QXmlStreamReader>
#include <algorithm>
#include <cmath>

using namespace Qt::Literals::StringLiterals;

namespace {
// One context for lupdate and the translator alike.
struct GnauralImport
{
    Q_DECLARE_TR_FUNCTIONS(GnauralImport)
};

// What an import can use: a session plays one or two of the voices, and
// holds at most 1000 segments.
constexpr qsizetype MostVoices = 16;
constexpr qsizetype MostEntries = 20000;

struct GnauralError
{
    int line;
    QString text;
};

struct Entry
{
    double duration = 0;
    double volumeLeft = 0;
    double volumeRight = 0;
    double beat = 0;
    double base = 0;
    int line = 0;
};

struct Voice
{
    int type = 0;
    bool muted = false;
    int line = 0;
    QList<Entry> entries;
};

double number(QStringView text, int line)
{
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value))
        throw GnauralError{line, GnauralImport::tr("cannot read the number \"%1\"").arg(text)};
    return value;
}

void setEntryValue(Entry &entry, QStringView name, QStringView value, int line)
{
    if (name == u"duration")
        entry.duration = std::max(0.0, number(value, line));
    else if (name == u"volume_left")
        entry.volumeLeft = number(value, line);
    else if (name == u"volume_right")
        entry.volumeRight = number(value, line);
    else if (name == u"beatfreq")
        entry.beat = number(value, line);
    else if (name == u"basefreq")
        entry.base = number(value, line);
}

class GnauralParser
{
public:
    ScheduleRead read(QByteArrayView bytes);

private:
    void readVoice();
    void readEntry(Voice &voice);
    Schedule periods() const;
    void note(int line, const QString &message, bool changesPlay = false)
    {
        // Each kind once from some line on: a file of thousands of voices gives one line.
        if (mNoted.contains(message))
            return;
        mNoted.insert(message);
        ExchangeNote made{0, 0, line, message};
        made.changesPlay = changesPlay;
        mNotes.append(made);
    }
    int line() const { return int(mXml.lineNumber()); }

    QXmlStreamReader mXml;
    QStringList mDescription;
    QList<Voice> mVoices;
    QList<ExchangeNote> mNotes;
    qsizetype mEntryCount = 0;
    QSet<QString> mNoted;
};

ScheduleRead GnauralParser::read(QByteArrayView bytes)
{
    mXml.addData(QByteArray(bytes.data(), bytes.size()));
    try {
        bool root = true;
        while (!mXml.atEnd()) {
            if (mXml.readNext() != QXmlStreamReader::StartElement)
                continue;
            const QStringView name = mXml.name();
            if (root && name != u"schedule" && name != u"gnaural")
                throw GnauralError{line(), GnauralImport::tr("not a Gnaural schedule: it starts with <%1>").arg(name)};
            root = false;
            if (name == u"title" || name == u"schedule_description") {
                const QString text = mXml.readElementText(QXmlStreamReader::SkipChildElements).trimmed();
                if (!text.isEmpty() && text != u"[none]"_s)
                    mDescription += text.split(u'\n');
            } else if (name == u"loops") {
                const int at = line();
                const QString text = mXml.readElementText(QXmlStreamReader::SkipChildElements).trimmed();
                if (text != u"1"_s)
                    note(at, GnauralImport::tr("the schedule's repeats (%1) left out: it plays once").arg(text));
            } else if (name == u"voice") {
                readVoice();
            }
        }
        if (mXml.hasError())
            throw GnauralError{line(), mXml.errorString()};
        if (std::none_of(mVoices.begin(), mVoices.end(), [](const Voice &voice) { return !voice.entries.isEmpty(); }))
            throw GnauralError{line(), GnauralImport::tr("no binaural or isochronic voice to import")};
        Schedule schedule = periods();
        return {schedule, QString(), mNotes};
    } catch (const GnauralError &error) {
        return {std::nullopt, atLine(error.line, error.text), {}};
    }
}

void GnauralParser::readVoice()
{
    Voice voice;
    voice.line = line();
    while (mXml.readNextStartElement()) {
        const QStringView name = mXml.name();
        if (name == u"type") {
            const double type = number(mXml.readElementText(QXmlStreamReader::SkipChildElements), line());
            voice.type = type >= 0 && type <= 1000 ? int(type) : -1; // no int holds every number the file may give
        } else if (name == u"voice_mute") {
            voice.muted = number(mXml.readElementText(QXmlStreamReader::SkipChildElements), line()) != 0;
        } else if (name == u"entries") {
            while (mXml.readNextStartElement()) {
                if (mXml.name() == u"entry")
                    readEntry(voice);
                else
                    mXml.skipCurrentElement();
            }
        } else {
            mXml.skipCurrentElement();
        }
    }
    if (voice.entries.isEmpty())
        return;
    switch (voice.type) {
    case 0:
    case 3:
    case 4:
    case 7:
        if (voice.muted) {
            note(voice.line, GnauralImport::tr("muted voice left out"));
            return;
        }
        if (mVoices.size() == MostVoices) {
            note(voice.line, GnauralImport::tr("voices beyond the first %1 left out").arg(MostVoices), true);
            return;
        }
        mVoices.append(voice);
        return;
    case 1:
        note(voice.line, GnauralImport::tr("pink noise voice left out"));
        return;
    case 2:
        note(voice.line, GnauralImport::tr("audio file voice left out"));
        return;
    case 5:
    case 6:
        note(voice.line, GnauralImport::tr("water drops or rain voice left out"));
        return;
    default:
        note(voice.line, GnauralImport::tr("voice of type %1 left out").arg(voice.type));
        return;
    }
}

void GnauralParser::readEntry(Voice &voice)
{
    if (++mEntryCount > MostEntries) {
        if (mEntryCount == MostEntries + 1)
            note(line(), GnauralImport::tr("the entries from here on are left out: a session holds %1 at most").arg(MostEntries),
                 true);
        mXml.skipCurrentElement();
        return;
    }
    Entry entry;
    entry.line = line();
    const QXmlStreamAttributes attributes = mXml.attributes();
    for (const QXmlStreamAttribute &attribute : attributes)
        setEntryValue(entry, attribute.name(), attribute.value(), entry.line);
    // Files before attributes held the values as elements.
    while (mXml.readNextStartElement()) {
        const QString name = mXml.name().toString();
        setEntryValue(entry, name, mXml.readElementText(QXmlStreamReader::SkipChildElements), line());
    }
    if (entry.volumeLeft != entry.volumeRight)
        note(entry.line, GnauralImport::tr("left and right volumes differ: their mean is taken"));
    voice.entries.append(entry);
}

// A voice's tone a fraction into one of its entries.
ScheduleTone toneAt(const Voice &voice, qsizetype entry, double fraction)
{
    const Entry &from = voice.entries.at(entry);
    const Entry &to = voice.entries.at((entry + 1) % voice.entries.size());
    auto between = [&](double a, double b) { return a + (b - a) * fraction; };
    ScheduleTone tone;
    tone.kind = voice.type == 0 ? ScheduleTone::Binaural : ScheduleTone::Isochronic;
    tone.carrier = between(from.base, to.base);
    tone.beat = between(from.beat, to.beat);
    tone.amplitude = between(from.volumeLeft + from.volumeRight, to.volumeLeft + to.volumeRight) * 50;
    return tone;
}

Schedule GnauralParser::periods() const
{
    QList<QList<double>> starts;
    QList<double> moments;
    for (const Voice &voice : mVoices) {
        QList<double> voiceStarts;
        double at = 0;
        for (const Entry &entry : voice.entries) {
            voiceStarts.append(at);
            moments.append(at);
            at += entry.duration;
        }
        moments.append(at);
        starts.append(voiceStarts);
    }
    std::sort(moments.begin(), moments.end());
    moments.erase(std::unique(moments.begin(), moments.end()), moments.end());

    Schedule schedule;
    schedule.description = mDescription;
    // Voices walk forward together: each keeps its place between moments.
    QList<qsizetype> cursors(mVoices.size(), 0);
    int counted = 0;
    for (qsizetype m = 0; m + 1 < moments.size(); ++m) {
        SchedulePeriod period;
        period.seconds = moments.at(m + 1) - moments.at(m);
        for (qsizetype v = 0; v < mVoices.size(); ++v) {
            const Voice &voice = mVoices.at(v);
            qsizetype &cursor = cursors[v];
            while (cursor < voice.entries.size()
                   && starts.at(v).at(cursor) + voice.entries.at(cursor).duration <= moments.at(m))
                ++cursor;
            // Every period holds each voice at its place, a voice not in use as silence.
            const ScheduleTone unused{ScheduleTone::Other, 0, 0, 0};
            const bool inUse = cursor < voice.entries.size() && voice.entries.at(cursor).duration > 0
                               && starts.at(v).at(cursor) <= moments.at(m);
            const ScheduleTone start = inUse ? toneAt(voice, cursor, (moments.at(m) - starts.at(v).at(cursor))
                                                                         / voice.entries.at(cursor).duration)
                                             : unused;
            // A voice sounds where it has a volume, or a base frequency:
            // a voice written without either is not in use there.
            if (!inUse || (start.amplitude <= 0 && start.carrier <= 0)) {
                period.start.append(unused);
                period.end.append(unused);
                continue;
            }
            period.start.append(start);
            period.end.append(toneAt(voice, cursor, (moments.at(m + 1) - starts.at(v).at(cursor))
                                                        / voice.entries.at(cursor).duration));
            if (period.line == 0)
                period.line = voice.entries.at(cursor).line;
        }
        schedule.periods.append(period);
        if (period.seconds >= 0.25 && ++counted == MostImportedPeriods)
            break;
    }
    return schedule;
}
} // namespace

ScheduleRead readGnauralSchedule(QByteArrayView bytes, const ScheduleReadOptions &options)
{
    Q_UNUSED(options);
    return GnauralParser().read(bytes);
}

#include "core/exchange/GnauralWriter.h"

#include "core/exchange/ExchangeNumbers.h"
#include "core/exchange/ScheduleKeyframes.h"

#include <QXmlStreamWriter>
#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace {
// The voice types of the format.
constexpr int BinauralVoice = 0;
constexpr int IsochronicVoice = 3;

qsizetype countOf(const ToneSet &tones, ScheduleTone::Kind kind)
{
    return std::count_if(tones.begin(), tones.end(), [kind](const ScheduleTone &tone) { return tone.kind == kind; });
}

// The n-th tone of a kind in a set; an unused place when there is none.
ScheduleTone toneAt(const ToneSet &tones, ScheduleTone::Kind kind, qsizetype n)
{
    for (const ScheduleTone &tone : tones) {
        if (tone.kind == kind && n-- == 0)
            return tone;
    }
    return {kind, 0, 0, 0};
}

// The format's reader drops a text that starts with a space, tab or line
// break, and writes "[none]" for no text.
QString keptText(const QString &text)
{
    qsizetype start = 0;
    while (start < text.size() && QStringView(u" \t\r\n").contains(text.at(start)))
        ++start;
    return start == text.size() ? u"[none]"_s : text.mid(start);
}
} // namespace

QByteArray gnauralBytes(const Schedule &schedule)
{
    const QList<ScheduleKeyframe> keyframes = scheduleKeyframes(schedule);
    qsizetype binaural = 0;
    qsizetype isochronic = 0;
    for (const ScheduleKeyframe &keyframe : keyframes) {
        binaural = std::max(binaural, countOf(keyframe.tones, ScheduleTone::Binaural));
        isochronic = std::max(isochronic, countOf(keyframe.tones, ScheduleTone::Isochronic));
    }
    const double total = keyframes.isEmpty() ? 0 : keyframes.last().at;

    QByteArray bytes;
    QXmlStreamWriter xml(&bytes);
    xml.setAutoFormatting(true);
    xml.setAutoFormattingIndent(0);
    xml.writeStartDocument();
    xml.writeStartElement(u"schedule"_s);
    xml.writeTextElement(u"gnauralfile_version"_s, u"1.20101006"_s);
    xml.writeTextElement(u"gnaural_version"_s, u"Mirandel 2.0"_s);
    xml.writeTextElement(u"title"_s, keptText(schedule.description.value(0)));
    xml.writeTextElement(u"schedule_description"_s, keptText(schedule.description.mid(1).join(u'\n')));
    xml.writeTextElement(u"author"_s, u"[none]"_s);
    xml.writeTextElement(u"totaltime"_s, exchangeDecimal(total));
    xml.writeTextElement(u"voicecount"_s, QString::number(binaural + isochronic));
    xml.writeTextElement(u"totalentrycount"_s, QString::number((binaural + isochronic) * keyframes.size()));
    xml.writeTextElement(u"loops"_s, u"1"_s);
    xml.writeTextElement(u"overallvolume_left"_s, u"1"_s);
    xml.writeTextElement(u"overallvolume_right"_s, u"1"_s);
    xml.writeTextElement(u"stereoswap"_s, u"0"_s);
    xml.writeTextElement(u"graphview"_s, u"0"_s);

    for (qsizetype voice = 0; voice < binaural + isochronic; ++voice) {
        const bool isBinaural = voice < binaural;
        const ScheduleTone::Kind kind = isBinaural ? ScheduleTone::Binaural : ScheduleTone::Isochronic;
        const qsizetype place = isBinaural ? voice : voice - binaural;
        xml.writeStartElement(u"voice"_s);
        xml.writeTextElement(u"description"_s,
                     (isBinaural ? u"Binaural %1"_s : u"Isochronic %1"_s).arg(place + 1));
        xml.writeTextElement(u"id"_s, QString::number(voice));
        xml.writeTextElement(u"type"_s, QString::number(isBinaural ? BinauralVoice : IsochronicVoice));
        for (const QString &flag : {u"voice_state"_s, u"voice_hide"_s, u"voice_mute"_s, u"voice_mono"_s})
            xml.writeTextElement(flag, u"0"_s);
        xml.writeTextElement(u"entrycount"_s, QString::number(keyframes.size()));
        xml.writeStartElement(u"entries"_s);
        for (qsizetype k = 0; k < keyframes.size(); ++k) {
            const ScheduleKeyframe &keyframe = keyframes.at(k);
            const ScheduleTone tone = toneAt(keyframe.tones, kind, place);
            const double duration = k + 1 < keyframes.size() ? keyframes.at(k + 1).at - keyframe.at : 0;
            const QString volume = exchangeDecimal(tone.amplitude / 100);
            xml.writeEmptyElement(u"entry"_s);
            xml.writeAttribute(u"parent"_s, QString::number(voice));
            xml.writeAttribute(u"duration"_s, exchangeDecimal(duration));
            xml.writeAttribute(u"volume_left"_s, volume);
            xml.writeAttribute(u"volume_right"_s, volume);
            xml.writeAttribute(u"beatfreq"_s, exchangeDecimal(tone.beat));
            xml.writeAttribute(u"basefreq"_s, exchangeDecimal(tone.carrier));
            xml.writeAttribute(u"state"_s, u"0"_s);
        }
        xml.writeEndElement();
        xml.writeEndElement();
    }
    xml.writeEndElement();
    xml.writeEndDocument();
    return bytes;
}

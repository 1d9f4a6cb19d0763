#include "core/exchange/SbgWriter.h"

#include "core/exchange/ExchangeNumbers.h"
#include "core/exchange/ScheduleKeyframes.h"

#include <QHash>
#include <cmath>

using namespace Qt::Literals::StringLiterals;

namespace {
QString toneText(const ScheduleTone &tone)
{
    const QString amplitude = exchangeDecimal(tone.amplitude);
    if (tone.kind == ScheduleTone::Isochronic)
        return u"%1@%2/%3"_s.arg(exchangeDecimal(tone.carrier), exchangeDecimal(std::abs(tone.beat)), amplitude);
    return u"%1%2%3/%4"_s.arg(exchangeDecimal(tone.carrier), tone.beat < 0 ? u"-"_s : u"+"_s,
                              exchangeDecimal(std::abs(tone.beat)), amplitude);
}

QString toneSetText(const ToneSet &tones)
{
    if (tones.isEmpty())
        return u"-"_s;
    QStringList texts;
    for (const ScheduleTone &tone : tones)
        texts.append(toneText(tone));
    return texts.join(u' ');
}

QString timeText(double seconds)
{
    const qint64 whole = qint64(std::llround(seconds));
    if (whole <= 0)
        return u"NOW"_s;
    return u"NOW+%1:%2:%3"_s.arg(whole / 3600, 2, 10, QChar(u'0'))
        .arg(whole / 60 % 60, 2, 10, QChar(u'0'))
        .arg(whole % 60, 2, 10, QChar(u'0'));
}
} // namespace

QByteArray sbgBytes(const Schedule &schedule)
{
    QStringList lines;
    for (const QString &line : schedule.description)
        lines.append(u"## "_s + QString(line).replace(u'\n', u' '));
    lines.append(u"-SE -F 0"_s); // changes at their time, as the session plays them: no fade around them

    const QList<ScheduleKeyframe> keyframes = scheduleKeyframes(schedule);
    QHash<QString, QString> names; // tone-set text to its name
    // The peer plays the last tone-set on until told to stop.
    QStringList toneSets{u"off: -"_s};
    QStringList timeLines;
    for (const ScheduleKeyframe &keyframe : keyframes) {
        const QString text = toneSetText(keyframe.tones);
        QString &name = names[text];
        if (name.isEmpty()) {
            name = u"ts%1"_s.arg(names.size());
            toneSets.append(u"%1: %2"_s.arg(name, text));
        }
        timeLines.append(u"%1 == %2%3"_s.arg(timeText(keyframe.at), name, keyframe.slides ? u" ->"_s : QString()));
    }
    timeLines.append(u"%1 == off"_s.arg(timeText(keyframes.isEmpty() ? 0 : keyframes.last().at)));
    lines += toneSets;
    lines += timeLines;
    return (lines.join(u'\n') + u'\n').toUtf8();
}

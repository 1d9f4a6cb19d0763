#include "core/exchange/SbgMix.h"

#include "core/exchange/ExchangeNumbers.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <cmath>

using namespace Qt::Literals::StringLiterals;

namespace {
struct SbgMixTexts
{
    Q_DECLARE_TR_FUNCTIONS(SbgMix)
};

constexpr double FullMix = 100;

QStringList words(QStringView line)
{
    const qsizetype comment = line.indexOf(u'#');
    return line.left(comment < 0 ? line.size() : comment).toString().split(QRegularExpression(u"\\s+"_s),
                                                                         Qt::SkipEmptyParts);
}
} // namespace

SbgMix readSbgMix(QByteArrayView bytes, const QString &folder)
{
    SbgMix mix;
    QString file;
    QList<double> amplitudes;
    const QStringList lines = QString::fromUtf8(bytes).split(u'\n');
    static const QRegularExpression amplitude(u"^mix/(\\d+(?:\\.\\d*)?|\\.\\d+)$"_s);
    for (const QString &line : lines) {
        const QStringList tokens = words(line);
        for (qsizetype t = 0; t < tokens.size(); ++t) {
            const QString &token = tokens.at(t);
            if (token.startsWith(u"-m"_s) && file.isEmpty() && tokens.first().startsWith(u'-')) {
                file = token.size() > 2 ? token.mid(2) : tokens.value(++t);
            } else if (const QRegularExpressionMatch match = amplitude.match(token); match.hasMatch()) {
                amplitudes.append(match.captured(1).toDouble());
            }
        }
    }
    if (file.isEmpty())
        return mix;
    Bed bed;
    bed.path = QDir::cleanPath(QDir(folder).absoluteFilePath(file));
    const double level = amplitudes.isEmpty() ? FullMix : amplitudes.first();
    bed.gain = level > 0 ? 20 * std::log10(level / FullMix) : -120;
    mix.beds.push_back(bed);
    const auto [lowest, highest] = std::minmax_element(amplitudes.begin(), amplitudes.end());
    if (!amplitudes.isEmpty() && *lowest != *highest) {
        mix.notes.append({0, 0, 0, SbgMixTexts::tr("mix amplitudes from mix/%1 to mix/%2 left out: the bed plays at mix/%3")
                                       .arg(exchangeDecimal(*lowest), exchangeDecimal(*highest), exchangeDecimal(level))});
    }
    return mix;
}

void addSbgMix(SessionImport &imported, QByteArrayView bytes, const QString &folder)
{
    if (!imported.session)
        return;
    SbgMix mix = readSbgMix(bytes, folder);
    if (mix.beds.empty())
        return;
    imported.session->beds = mix.beds;
    const QString readersNote = QCoreApplication::translate("SbgImport", "mix input left out");
    imported.notes.removeIf([&](const ExchangeNote &note) { return note.message.contains(readersNote); });
    imported.notes += mix.notes;
}

QByteArray withSbgMix(const QByteArray &sequence, const BedList &beds, QList<ExchangeNote> &losses)
{
    const Bed *mix = nullptr;
    for (size_t i = 0; i < beds.size(); ++i) {
        const Bed &bed = beds[i];
        const QString name = bed.isNoise() ? SbgMixTexts::tr("noise") : QFileInfo(bed.path).fileName();
        if (!mix && !bed.isNoise() && !bed.path.contains(QRegularExpression(u"\\s"_s))) {
            mix = &bed;
            if (bed.start > 0 || bed.fadeIn > 0 || bed.fadeOut > 0 || bed.loop) {
                losses.append({0, 0, 0, SbgMixTexts::tr("bed %1 (%2): its start, fades and loop left out: the mix input "
                                                        "plays from the start until the file ends").arg(i + 1).arg(name)});
            }
            if (bed.gain > 0)
                losses.append({0, 0, 0, SbgMixTexts::tr("bed %1 (%2): its gain of %3 dB left out: mix/100 is the loudest")
                                            .arg(i + 1).arg(name, exchangeDecimal(bed.gain))});
            continue;
        }
        losses.append({0, 0, 0, SbgMixTexts::tr("bed %1 (%2) left out: the format mixes in one sound file whose name "
                                                "has no spaces").arg(i + 1).arg(name)});
    }
    if (!mix)
        return sequence;
    const double amplitude = std::min(FullMix, FullMix * std::pow(10.0, mix->gain / 20));
    const QString tone = u" mix/"_s + exchangeDecimal(std::round(amplitude * 100) / 100);
    static const QRegularExpression toneSet(u"^\\w+:"_s);
    QStringList lines = QString::fromUtf8(sequence).split(u'\n');
    qsizetype options = 0;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (lines.at(i).startsWith(u'-'))
            options = i + 1;
        else if (toneSet.match(lines.at(i)).hasMatch())
            lines[i] += tone;
    }
    lines.insert(options, u"-m "_s + mix->path);
    return lines.join(u'\n').toUtf8();
}

#include "core/session/ValueMatching.h"

#include "core/session/LoopEntry.h"
#include "core/session/NearestValueIndex.h"
#include "core/session/QuarterUnitList.h"
#include "core/session/Session.h"
#include "core/session/TextNumbers.h"
#include "core/session/ValueLists.h"
#include "core/session/ValueStepping.h"

#include <QCoreApplication>
#include <QRegularExpression>

using namespace Qt::Literals::StringLiterals;

namespace {
struct ValueMatchingTexts
{
    Q_DECLARE_TR_FUNCTIONS(ValueMatching)
};

bool isCodeRow(const Session &session, int row)
{
    const bool dual = session.kind == DualBinauralSession;
    return row == ToneRow || row == PhaseRow || row == VIRampRow || row == DbbRampRow || (row == ChordRow && !dual);
}

// Why a cell without a list takes no other text.
QString emptyByRule(const Session &session, const CellPos &cell)
{
    if (session.kind == DualBinauralSession)
        return cell.row == DbbRampRow ? ValueMatchingTexts::tr("dbb Ramp of segment 1 does not change") : QString();
    if (cell.row == ChordRow)
        return ValueMatchingTexts::tr("Chord is empty unless the Tone is PCh");
    return ValueMatchingTexts::tr("dbb Ramp is empty in a Pulsed/Binaural Beats session");
}

QString joinedChoices(const QStringList &entries)
{
    if (entries.size() < 2)
        return entries.join(QString());
    return entries.first(entries.size() - 1).join(u", "_s) + ValueMatchingTexts::tr(" or ") + entries.last();
}

// The entries of a list that are numbers, with their places in it.
struct NumericEntries
{
    QStringList texts;
    QList<qsizetype> places;
};

NumericEntries numericEntries(const QStringList &list)
{
    NumericEntries numeric;
    for (qsizetype i = 0; i < list.size(); ++i) {
        if (TextNumbers::tryDecimal(list.at(i))) {
            numeric.texts.append(list.at(i));
            numeric.places.append(i);
        }
    }
    return numeric;
}

// The nearest entry to a number given in quarter units; beyond the lookup's
// reach, the nearer end of the list, as the file reader takes it.
qsizetype nearestPlace(double quarters, const QStringList &texts)
{
    const QuarterUnitList list(texts);
    const int index = findNearestValue(quarters, list).index;
    if (index >= 0)
        return index;
    return quarters > *list.at(0) ? texts.size() - 1 : 0;
}

// "m:ss" or "m:ss.d", a bare number of minutes ("7", "2.5") or seconds
// with "s" ("90s"), in half seconds; the tenths count as they are.
std::optional<double> typedHalfSeconds(const QString &text)
{
    static const QRegularExpression time(u"^\\s*(\\d{1,4}):(\\d{1,2})(?:\\.(\\d))?\\s*$"_s);
    static const QRegularExpression amount(u"^\\s*(\\d{1,5}(?:\\.\\d*)?|\\.\\d+)\\s*(s|m)?\\s*$"_s,
                                           QRegularExpression::CaseInsensitiveOption);
    if (const QRegularExpressionMatch found = time.match(text); found.hasMatch()) {
        const int tenths =
            (found.captured(1).toInt() * 60 + found.captured(2).toInt()) * 10 + found.captured(3).toInt();
        return tenths / 5.0;
    }
    if (const QRegularExpressionMatch found = amount.match(text); found.hasMatch()) {
        const double number = TextNumbers::tryDecimal(found.captured(1)).value_or(0);
        const bool seconds = found.captured(2).compare(u"s"_s, Qt::CaseInsensitive) == 0;
        return number * (seconds ? 2.0 : 120.0);
    }
    return std::nullopt;
}

ValueMatch matchTime(const QString &text)
{
    using namespace ValueLists;
    const auto halfSeconds = typedHalfSeconds(text);
    if (!halfSeconds)
        return {{}, ValueMatchingTexts::tr("Time m:s takes minutes, seconds with s, or m:ss from %1 to %2")
                        .arg(TimeList.first(), TimeList.last())};
    return {TimeList.at(nearestPlace(*halfSeconds * 4.0, HalfSecondList)), {}};
}

QString accepted(const QString &label, const QStringList &list, const NumericEntries &numeric)
{
    if (numeric.texts.isEmpty())
        return ValueMatchingTexts::tr("%1 takes %2").arg(label, joinedChoices(list));
    QString text = ValueMatchingTexts::tr("%1 takes a number from %2 to %3").arg(label, numeric.texts.first(), numeric.texts.last());
    const QStringList others = list.mid(numeric.places.last() + 1);
    if (!others.isEmpty())
        text += ValueMatchingTexts::tr(" or %1 to %2").arg(others.first(), others.last());
    if (list.contains(QString()))
        text += ValueMatchingTexts::tr(" or nothing");
    return text;
}

ValueMatch matchLoop(const Session &session, const CellPos &cell, const QString &text)
{
    const QString refusal = loopEntryRefusal(session.cells, cell.column, cell.row);
    if (!refusal.isEmpty())
        return {{}, refusal};
    const auto value = loopEntryValue(cell.row, text);
    if (!value)
        return {{}, loopEntryNeeded(cell.row)};
    return {QString::number(*value), {}};
}
} // namespace

ValueMatch matchValue(const Session &session, const CellPos &cell, const QString &text)
{
    if (isLoopRow(cell.row))
        return matchLoop(session, cell, text);
    const QString typed = text.trimmed();
    const QStringList list = workingList(session, cell);
    if (list.isEmpty()) {
        // Only the dbb Ramp of segment 1 holds a value without a list.
        const bool keeps = session.kind == DualBinauralSession;
        const QString &current = session.cells.cell(cell.column, cell.row);
        if (keeps ? typed.compare(current, Qt::CaseInsensitive) == 0 : typed.isEmpty())
            return {keeps ? current : QString(), {}};
        return {{}, emptyByRule(session, cell)};
    }
    for (const QString &entry : list) {
        if (entry.compare(typed, Qt::CaseInsensitive) == 0)
            return {entry, {}};
    }
    if (cell.row == TimeRow)
        return matchTime(typed);
    if (isCodeRow(session, cell.row)) {
        for (const QString &entry : list) {
            if (!typed.isEmpty() && entry.startsWith(typed, Qt::CaseInsensitive))
                return {entry, {}};
        }
        return {{}, accepted(rowLabel(session.kind, cell.row), list, {})};
    }
    const NumericEntries numeric = numericEntries(list);
    if (const auto value = TextNumbers::tryDecimal(typed))
        return {list.at(numeric.places.at(nearestPlace(*value * 4.0, numeric.texts))), {}};
    return {{}, accepted(rowLabel(session.kind, cell.row), list, numeric)};
}

#include "core/session/NearestValueIndex.h"

#include "core/session/Prompter.h"
#include "core/session/QuarterUnitList.h"

#include <QCoreApplication>
#include <cmath>

using namespace Qt::Literals::StringLiterals;

namespace {
struct NearestValueIndexTexts
{
    Q_DECLARE_TR_FUNCTIONS(NearestValueIndex)
};

constexpr double Reach = 10000; // quarter units

// The scan that defines the lookup. entryAt(i) gives entry i in quarter
// units, read as late as the scan needs it.
template <typename EntryAt>
NearestValue scanForNearest(double target, qsizetype count, EntryAt entryAt)
{
    double best = Reach;
    int result = 0;
    for (int i = 0; i < count; ++i) {
        result = i;
        const std::optional<double> entry = entryAt(i);
        if (!entry)
            return {i, false};
        const double d = std::fabs(target - *entry);
        if (d >= best)
            return {i - 1, true};
        best = d;
    }
    return {result, true};
}

// On a strictly ascending list the distances fall and then rise, so the scan
// stops just past the first entry not below the target: found by bisection.
NearestValue bisectForNearest(double target, const QuarterUnitList &list)
{
    const qsizetype count = list.size();
    if (count == 0)
        return {0, true};
    if (std::fabs(target - *list.at(0)) >= Reach)
        return {-1, true};
    qsizetype low = 0;
    qsizetype high = count;
    while (low < high) {
        const qsizetype middle = (low + high) / 2;
        if (*list.at(middle) < target)
            low = middle + 1;
        else
            high = middle;
    }
    if (low == 0)
        return {0, true};
    if (low == count)
        return {int(count - 1), true};
    const bool nextIsNearer = *list.at(low) - target < target - *list.at(low - 1);
    return {int(nextIsNearer ? low : low - 1), true};
}

int reported(const QString &text, NearestValue found, Prompter &prompter)
{
    if (!found.converted)
        prompter.error(floatConvertErrorText(text));
    return found.index;
}
} // namespace

int nearestValueIndex(const QString &text, const QStringList &list, Prompter &prompter)
{
    const auto target = QuarterUnitList::of(text);
    const NearestValue found = target ? scanForNearest(*target, list.size(), [&list](int i) {
        return QuarterUnitList::of(list.at(i));
    })
                                      : NearestValue{0, false};
    return reported(text, found, prompter);
}

int nearestValueIndex(const QString &text, const QuarterUnitList &list, Prompter &prompter)
{
    return reported(text, findNearestValue(text, list), prompter);
}

NearestValue findNearestValue(const QString &text, const QuarterUnitList &list)
{
    const auto target = QuarterUnitList::of(text);
    return target ? findNearestValue(*target, list) : NearestValue{0, false};
}

NearestValue findNearestValue(double quarters, const QuarterUnitList &list)
{
    if (list.isStrictlyAscending())
        return bisectForNearest(quarters, list);
    return scanForNearest(quarters, list.size(), [&list](int i) { return list.at(i); });
}

QString floatConvertErrorText(const QString &text)
{
    return NearestValueIndexTexts::tr("Float convert error on %1").arg(text);
}

#include "session/NearestValueIndex.h"

#include "session/Prompter.h"
#include "session/QuarterUnitList.h"

#include <cmath>

using namespace Qt::Literals::StringLiterals;

namespace {
// entryAt(i) gives entry i in quarter units, read as late as the scan needs it.
template <typename EntryAt>
int nearestIndex(const QString &text, qsizetype count, EntryAt entryAt, Prompter &prompter)
{
    const auto target = QuarterUnitList::of(text);
    if (!target) {
        prompter.error(u"Float convert error on %1"_s.arg(text));
        return 0;
    }
    double best = 10000;
    int result = 0;
    for (int i = 0; i < count; ++i) {
        result = i;
        const std::optional<double> entry = entryAt(i);
        if (!entry) {
            prompter.error(u"Float convert error on %1"_s.arg(text));
            return i;
        }
        const double d = std::fabs(*target - *entry);
        if (d >= best)
            return i - 1;
        best = d;
    }
    return result;
}
} // namespace

int nearestValueIndex(const QString &text, const QStringList &list, Prompter &prompter)
{
    return nearestIndex(text, list.size(), [&list](int i) { return QuarterUnitList::of(list.at(i)); }, prompter);
}

int nearestValueIndex(const QString &text, const QuarterUnitList &list, Prompter &prompter)
{
    return nearestIndex(text, list.size(), [&list](int i) { return list.at(i); }, prompter);
}

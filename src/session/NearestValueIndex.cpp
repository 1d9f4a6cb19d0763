#include "session/NearestValueIndex.h"

#include "session/Prompter.h"
#include "session/TextNumbers.h"

#include <cmath>

using namespace Qt::Literals::StringLiterals;

namespace {
// Quarter units, a half going to the even neighbour (the default rounding mode).
std::optional<double> quarterUnits(const QString &text)
{
    const auto value = TextNumbers::tryDecimal(text);
    if (!value)
        return std::nullopt;
    return std::nearbyint(*value * 4.0);
}
} // namespace

int NearestValueIndex(const QString &text, const QStringList &list, Prompter &prompter)
{
    const auto target = quarterUnits(text);
    if (!target) {
        prompter.error(u"Float convert error on %1"_s.arg(text));
        return 0;
    }
    double best = 10000;
    int result = 0;
    for (int i = 0; i < list.size(); ++i) {
        result = i;
        const auto entry = quarterUnits(list.at(i));
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

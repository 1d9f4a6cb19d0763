#include "core/session/QuarterUnitList.h"

#include "core/session/TextNumbers.h"

#include <cmath>

QuarterUnitList::QuarterUnitList(const QStringList &list)
{
    mEntries.reserve(size_t(list.size()));
    for (const QString &entry : list) {
        const std::optional<double> value = of(entry);
        if (mStrictlyAscending && (!value || (!mEntries.empty() && !(*mEntries.back() < *value))))
            mStrictlyAscending = false;
        mEntries.push_back(value);
    }
}

std::optional<double> QuarterUnitList::of(QStringView text)
{
    const auto value = TextNumbers::tryDecimal(text);
    if (!value)
        return std::nullopt;
    return std::nearbyint(*value * 4.0);
}

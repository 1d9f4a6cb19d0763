#include "session/QuarterUnitList.h"

#include "session/TextNumbers.h"

#include <cmath>

QuarterUnitList::QuarterUnitList(const QStringList &list)
{
    mEntries.reserve(size_t(list.size()));
    for (const QString &entry : list)
        mEntries.push_back(of(entry));
}

std::optional<double> QuarterUnitList::of(QStringView text)
{
    const auto value = TextNumbers::tryDecimal(text);
    if (!value)
        return std::nullopt;
    return std::nearbyint(*value * 4.0);
}

#pragma once

#include <QStringList>
#include <optional>
#include <vector>

// The entries of a value list as numbers in quarter units (times 4, a half
// going to the even neighbour), read once for lookups that run many times.
// An entry that is not a number is held as nullopt.
class QuarterUnitList
{
public:
    explicit QuarterUnitList(const QStringList &list);

    qsizetype size() const { return qsizetype(mEntries.size()); }
    const std::optional<double> &at(qsizetype index) const { return mEntries[size_t(index)]; }
    // Every entry a number, each above the one before.
    bool isStrictlyAscending() const { return mStrictlyAscending; }

    // The number in text in quarter units; nullopt when it is not a number.
    static std::optional<double> of(QStringView text);

private:
    std::vector<std::optional<double>> mEntries;
    bool mStrictlyAscending = true;
};

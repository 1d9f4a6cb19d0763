#include "core/beds/BedAudition.h"

#include <algorithm>

void BedAudition::set(std::vector<bool> &flags, int bed, bool on)
{
    if (bed < 0)
        return;
    if (size_t(bed) >= flags.size())
        flags.resize(size_t(bed) + 1, false);
    flags[size_t(bed)] = on;
}

void BedAudition::remove(int bed)
{
    for (std::vector<bool> *flags : {&mMuted, &mSolo}) {
        if (bed >= 0 && size_t(bed) < flags->size())
            flags->erase(flags->begin() + bed);
    }
}

BedList BedAudition::heard(const BedList &beds) const
{
    const bool anySolo = std::find(mSolo.begin(), mSolo.end(), true) != mSolo.end();
    BedList heard;
    for (size_t i = 0; i < beds.size(); ++i) {
        if (anySolo ? isSolo(int(i)) : !isMuted(int(i)))
            heard.push_back(beds[i]);
    }
    return heard;
}

#pragma once

#include "core/beds/Bed.h"

#include <vector>

// Which beds the preview lets through while the user listens: muted beds are
// left out, and once any bed is solo only the solo beds play. Exports play
// every bed; the choice is not kept with the session.
class BedAudition
{
public:
    bool isMuted(int bed) const { return flag(mMuted, bed); }
    bool isSolo(int bed) const { return flag(mSolo, bed); }
    void setMuted(int bed, bool muted) { set(mMuted, bed, muted); }
    void setSolo(int bed, bool solo) { set(mSolo, bed, solo); }
    // The bed at this place is gone: those after it move up.
    void remove(int bed);
    // The beds the preview plays, of these.
    BedList heard(const BedList &beds) const;

private:
    static bool flag(const std::vector<bool> &flags, int bed) { return bed >= 0 && size_t(bed) < flags.size() && flags[size_t(bed)]; }
    static void set(std::vector<bool> &flags, int bed, bool on);

    std::vector<bool> mMuted;
    std::vector<bool> mSolo;
};

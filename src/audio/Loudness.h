#pragma once

#include <QString>
#include <cmath>

// The loudness of a sound as EBU R128 measures it.
struct Loudness
{
    // The EBU R128 programme level, and the ceiling a normalised sound's true peak stays under.
    static constexpr double ProgrammeLevel = -23;
    static constexpr double TruePeakCeiling = -1;

    double integrated = -HUGE_VAL; // LUFS; -inf when no block is above the -70 LUFS gate
    double truePeak = -HUGE_VAL;   // dBTP; -inf for silence

    // The same sound made louder by `decibels` (quieter when negative).
    Loudness gained(double decibels) const { return {integrated + decibels, truePeak + decibels}; }
    // The gain that brings the sound to `target` LUFS without its true peak
    // passing the ceiling; 0 when there is nothing to measure.
    double gainTo(double target) const;
    // "-23.4 LUFS, peak -6.1 dBTP"
    QString text() const;
};

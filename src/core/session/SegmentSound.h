#pragma once

#include "core/session/ToneKinds.h"

#include <QString>
#include <array>

class SessionGrid;

// The chords of a chord tone, as frequency ratios to the pitch (1 to 4 tones).
struct ChordShape
{
    int tones;
    std::array<double, 4> ratios;
};
// Chord 1 to 9; anything else gives chord 1.
const ChordShape &chordShape(int number);

// A segment's sound settings, read from its cells and brought into a range
// that can be played.
struct SegmentSound
{
    ToneKind kind = ToneKind::Silent;
    double pitch = 0;  // hertz
    double pitch2 = 0; // hertz; the second voice of a dual tone
    int chord = 1;
    double duty = 0.5; // the part of a pulse period that sounds
    double level = 0;  // 0 to 1, from "Volume"
    bool levelRamp = false; // "VI Ramp" "seg": the level glides over the segment
};

SegmentSound readSegmentSound(const SessionGrid &cells, int column);

// "Pitch 2" of a dual tone: a pitch in hertz, or "rN", the entry N places
// above (below for a negative N) Pitch 1's entry in the pitch list, stopping
// at the list's ends.
double secondPitch(const QString &cell, double pitch1);

#pragma once

// Rows of the session grid that the editing commands address by meaning.
namespace SessionRows {
constexpr int Tone = 2;
constexpr int Chord = 6; // Pitch 2 in a Dual Binaural Beats session
constexpr int DbbRamp = 12;
constexpr int LoopSegs = 13;
constexpr int LoopTimes = 14;
} // namespace SessionRows

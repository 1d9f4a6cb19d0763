#pragma once

// The rows of a segment in the session grid. Rows 3 to 6 mean other things in
// a Dual Binaural Beats session; the dual names below address the same rows.
enum SessionRow : int {
    SegmentNumberRow = 0, // the segment's position from 1, not stored
    TimeRow,
    ToneRow,
    StartFreqRow,
    PitchRow,
    TargetFreqRow,
    ChordRow,
    PhaseRow,
    DutyCycleRow,
    VolumeRow,
    IntensityRow,
    VIRampRow,
    DbbRampRow, // dual only; empty in a pulsed session
    LoopSegsRow,
    LoopTimesRow,

    Freq1Row = StartFreqRow,
    Pitch1Row = PitchRow,
    Freq2Row = TargetFreqRow,
    Pitch2Row = ChordRow
};

// The rows that hold a loop; they open dialogs instead of being stepped.
constexpr bool isLoopRow(int row)
{
    return row == LoopSegsRow || row == LoopTimesRow;
}

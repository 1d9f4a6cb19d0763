#pragma once

#include "core/exchange/SbgProgram.h"

// A stretch of the day over which every voice moves in a straight line from
// its start to its end.
struct SbgPlayedPeriod
{
    int milliseconds = 0;
    SbgVoices start;
    SbgVoices end;
    int line = 0;    // the time line whose tone-set sounds there
    int toneSet = 0; // that tone-set
};

// The day of 24 hours as the classic player plays a program: each line's
// tone-set from its time on; changes faded over the fade interval around the
// line's time (through silence where the tones differ, unless both lines
// slide), "->" sliding over the whole period. Periods that change nothing
// are merged.
class SbgCycle
{
public:
    SbgCycle(const SbgProgram &program, int fadeMilliseconds);

    // What plays from a time of day on, for a length, in milliseconds; the
    // day repeats.
    QList<SbgPlayedPeriod> play(int from, qint64 length) const;

private:
    struct Node
    {
        int at = 0;
        int fadeIn = 1;  // 0 silence, 1 through, 2 slide; below 0 a transition: -1 fade, -2 unset, -3 "->"
        int fadeOut = 1;
        SbgVoices start;
        SbgVoices end;
        int line = 0;
        int toneSet = 0;
        bool ownLine = false; // starts at a line's time: its tone-set, or its slide
        int next = 0;
        int previous = 0;
    };

    int insertAfter(int node, const Node &inserted);
    void remove(int node);
    void makeTransitions(int fadeMilliseconds);
    void fillTransition(int node);
    void mergeRepeats();

    std::vector<Node> mNodes;
    int mHead = 0;
    int mLive = 0;
};

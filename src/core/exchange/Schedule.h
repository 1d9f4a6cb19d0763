#pragma once

#include <QList>
#include <QStringList>

// A tone of another program's schedule.
struct ScheduleTone
{
    // Other: a sound a session cannot play (noise, a bell, the mix input);
    // read only to know where the schedule is audible.
    enum Kind { Binaural, Isochronic, Other };
    Kind kind = Binaural;
    double carrier = 0;   // hertz
    double beat = 0;      // hertz: the beat, or the pulse rate
    double amplitude = 0; // 0 to 100

    bool operator==(const ScheduleTone &other) const
    {
        return kind == other.kind && carrier == other.carrier && beat == other.beat && amplitude == other.amplitude;
    }
    bool operator!=(const ScheduleTone &other) const { return !(*this == other); }
};
using ToneSet = QList<ScheduleTone>;

// A stretch of a schedule whose tones glide from start to end over its time.
// A tone set without tones is silence.
struct SchedulePeriod
{
    double seconds = 0;
    ToneSet start;
    ToneSet end; // the same tones, in the same order, at the period's end
    int line = 0; // the source's line that sets it; 0 when made from a session
    int toneLine = 0; // the line that defines its tones, where that is another
};

// A schedule as the peer formats hold it: periods one after the other.
struct Schedule
{
    QStringList description;
    QList<SchedulePeriod> periods;
};

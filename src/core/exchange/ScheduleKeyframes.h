#pragma once

#include "core/exchange/Schedule.h"

// A moment of a schedule at which the tones are set; they glide from there
// to the next keyframe's tones. Two keyframes at the same moment make a step.
struct ScheduleKeyframe
{
    double at = 0;   // seconds from the start
    ToneSet tones;
    bool slides = false; // glides to the next keyframe; false: a step, or the end
};

// Keyframes that play the periods exactly: one at each period's start, and
// one at its end where the next period does not start with the same tones.
// The last keyframe ends the schedule.
QList<ScheduleKeyframe> scheduleKeyframes(const Schedule &schedule);

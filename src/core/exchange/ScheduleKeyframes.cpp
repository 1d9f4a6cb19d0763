#include "core/exchange/ScheduleKeyframes.h"

QList<ScheduleKeyframe> scheduleKeyframes(const Schedule &schedule)
{
    QList<ScheduleKeyframe> keyframes;
    const QList<SchedulePeriod> &periods = schedule.periods;
    double at = 0;
    for (qsizetype i = 0; i < periods.size(); ++i) {
        const SchedulePeriod &period = periods.at(i);
        keyframes.append({at, period.start, true});
        at += period.seconds;
        if (i + 1 == periods.size() || periods.at(i + 1).start != period.end)
            keyframes.append({at, period.end, false});
    }
    return keyframes;
}

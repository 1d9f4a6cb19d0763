#include "core/timeline/TimelineReadout.h"

#include "core/session/Session.h"
#include "core/timeline/TimelineLayout.h"

#include <QCoreApplication>
#include <cmath>

using namespace Qt::Literals::StringLiterals;

namespace {
QString hertz(double value)
{
    return QString::number(value, 'g', 4);
}

QString beatText(const FrequencyRun &run)
{
    if (run.start == run.end)
        return QCoreApplication::translate("Timeline", "%1 Hz").arg(hertz(run.end));
    return QCoreApplication::translate("Timeline", "%1 to %2 Hz").arg(hertz(run.start), hertz(run.end));
}
} // namespace

QString timelineTimeText(double seconds)
{
    const qint64 tenths = std::llround(std::max(seconds, 0.0) * 10);
    return u"%1:%2.%3"_s.arg(tenths / 600).arg(int(tenths / 10 % 60), 2, 10, QChar(u'0')).arg(int(tenths % 10));
}

QString passReadout(const Session &session, const TimelineLayout &layout, int pass, double seconds)
{
    const TimelinePass &played = layout.passes()[size_t(pass)];
    const SessionGrid &cells = session.cells;
    const int column = played.column;
    int passes = 0;
    int number = 0;
    for (const TimelinePass &other : layout.passes()) {
        if (other.column == column) {
            ++passes;
            if (&other == &played)
                number = passes;
        }
    }
    QString text = QCoreApplication::translate("Timeline", "Segment %1").arg(column + 1);
    if (passes > 1)
        text += QCoreApplication::translate("Timeline", ", pass %1 of %2").arg(number).arg(passes);
    if (seconds >= 0)
        text += QCoreApplication::translate("Timeline", " at %1").arg(timelineTimeText(seconds));
    const QString beats = layout.isDual()
        ? QCoreApplication::translate("Timeline", "beats %1 and %2").arg(beatText(played.beat), beatText(played.beat2))
        : QCoreApplication::translate("Timeline", "beat %1").arg(beatText(played.beat));
    return text
        + QCoreApplication::translate("Timeline", ": %1, time %2, pitch %3 Hz, volume %4, intensity %5, duty cycle %6, "
                                                  "phase %7")
              .arg(beats, cells.cell(column, TimeRow), cells.cell(column, PitchRow), cells.cell(column, VolumeRow),
                   cells.cell(column, IntensityRow), cells.cell(column, DutyCycleRow), cells.cell(column, PhaseRow));
}

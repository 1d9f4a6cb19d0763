#include "core/timeline/TimelineGrip.h"

#include "core/session/SessionRows.h"
#include "core/timeline/TimelineGeometry.h"
#include "core/timeline/TimelineLayout.h"

#include <cmath>

namespace {
bool near(QPointF a, QPointF b)
{
    return std::abs(a.x() - b.x()) <= GripReach && std::abs(a.y() - b.y()) <= GripReach;
}

// The level a pass shows at x.
double levelAt(double from, double to, double startX, double endX, double x)
{
    return endX > startX ? from + (to - from) * (x - startX) / (endX - startX) : to;
}
} // namespace

QPointF gripPoint(const TimelineLayout &layout, const TimelineGeometry &geometry, int pass, int row)
{
    const TimelinePass &played = layout.passes()[size_t(pass)];
    const double startX = geometry.x(played.start / 2.0);
    const double endX = geometry.x(played.end() / 2.0);
    switch (row) {
    case StartFreqRow:
        // A dual tone's levels sit at the end of the segment, where it arrives.
        return layout.isDual() ? QPointF(endX, geometry.beatY(played.beat.end))
                               : QPointF(startX, geometry.beatY(played.beat.start));
    case TargetFreqRow:
        return QPointF(endX, geometry.beatY(layout.isDual() ? played.beat2.end : played.beat.end));
    case VolumeRow:
        return QPointF((startX + endX) / 2, geometry.volumeY(played.volumeTo));
    case IntensityRow:
        return QPointF((startX + endX) / 2, geometry.intensityY(played.intensityTo));
    default:
        return QPointF(endX, geometry.axis().top());
    }
}

TimelineGrip gripAt(const TimelineLayout &layout, const TimelineGeometry &geometry, QPointF point)
{
    const int pass = layout.passAt(geometry.secondsAt(point.x()) * 2);
    if (pass < 0)
        return {};
    const std::vector<TimelinePass> &passes = layout.passes();
    // The pass itself and its neighbours, whose end points may be nearest.
    for (int i = std::max(0, pass - 1); i <= std::min(int(passes.size()) - 1, pass + 1); ++i) {
        const int column = passes[size_t(i)].column;
        if (geometry.beatLane().contains(point.toPoint())) {
            const bool target = layout.isDual() || passes[size_t(i)].beat.start != passes[size_t(i)].beat.end;
            if (near(point, gripPoint(layout, geometry, i, StartFreqRow)))
                return {column, StartFreqRow, i};
            if (target && near(point, gripPoint(layout, geometry, i, TargetFreqRow)))
                return {column, TargetFreqRow, i};
        }
    }
    const TimelinePass &played = passes[size_t(pass)];
    const double startX = geometry.x(played.start / 2.0);
    const double endX = geometry.x(played.end() / 2.0);
    // A boundary is taken by the segment that ends there.
    if (std::abs(point.x() - endX) <= GripReach)
        return {played.column, TimeRow, pass};
    if (std::abs(point.x() - startX) <= GripReach && pass > 0)
        return {passes[size_t(pass - 1)].column, TimeRow, pass - 1};
    if (geometry.soundLane().contains(point.toPoint())
        && std::abs(point.y() - geometry.volumeY(levelAt(played.volumeFrom, played.volumeTo, startX, endX, point.x())))
            <= GripReach)
        return {played.column, VolumeRow, pass};
    if (geometry.lightLane().contains(point.toPoint())
        && std::abs(point.y()
                    - geometry.intensityY(levelAt(played.intensityFrom, played.intensityTo, startX, endX, point.x())))
            <= GripReach)
        return {played.column, IntensityRow, pass};
    return {};
}

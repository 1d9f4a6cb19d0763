#include "session/TimingSummary.h"

#include "session/ConversionError.h"
#include "session/PlayedWalk.h"
#include "session/Session.h"
#include "session/SessionView.h"

#include <algorithm>
#include <limits>

using namespace Qt::Literals::StringLiterals;

namespace {
QString clockText(const QString &format, int segment, qint64 halfSeconds)
{
    const qint64 minutes = halfSeconds / 120;
    const qint64 seconds = (halfSeconds % 120) / 2;
    return segment > 0 ? format.arg(segment).arg(minutes).arg(seconds) : format.arg(minutes).arg(seconds);
}
} // namespace

TimingSummary computeTimingSummary(const SessionGrid &cells, int s)
{
    TimingSummary summary;
    int line = 0;
    PlayedWalk walk(cells, LoopRule::LatestStart, Repeats::Counted);
    try {
        PlayedSegment segment;
        while (walk.next(segment)) {
            if (segment.column + 1 == s) {
                summary.lines[line] = clockText(u"Segment %1 start time %2:%3"_s, s, segment.start);
                line = 1;
            }
        }
    } catch (const ConversionError &e) {
        summary.error = e.message();
        return summary;
    }
    const qint64 total = walk.elapsed();
    summary.lines[line] = clockText(u"Session total time %1:%2"_s, 0, total);
    // Loop counts from a file can make a total beyond any real session.
    summary.totalSeconds = int(std::min<qint64>(total / 2, std::numeric_limits<int>::max()));
    return summary;
}

void updateTimingSummary(Session &session, SessionView &view, int s)
{
    TimingSummary summary = computeTimingSummary(session.cells, s);
    session.timingPanel = summary.lines;
    view.timingChanged();
    if (!summary.error.isEmpty())
        throw ConversionError(summary.error);
    session.totalSeconds = summary.totalSeconds;
}

#include "core/session/TimingSummary.h"

#include "core/session/SegmentStarts.h"
#include "core/session/SessionGrid.h"

#include <QCoreApplication>
#include <algorithm>
#include <limits>

using namespace Qt::Literals::StringLiterals;

namespace {
struct TimingSummaryTexts
{
    Q_DECLARE_TR_FUNCTIONS(TimingSummary)
};

QString clockText(const QString &format, int segment, qint64 halfSeconds)
{
    const qint64 minutes = halfSeconds / 120;
    const qint64 seconds = (halfSeconds % 120) / 2;
    return segment > 0 ? format.arg(segment).arg(minutes).arg(seconds) : format.arg(minutes).arg(seconds);
}

// Kept for the grid's revision, so that moving the selection counts nothing.
const SegmentStarts &segmentStarts(const SessionGrid &cells)
{
    thread_local SegmentStarts last;
    thread_local quint64 revision = 0;
    if (revision != cells.revision()) {
        countSegmentStarts(cells, last);
        revision = cells.revision();
    }
    return last;
}
} // namespace

TimingSummary computeTimingSummary(const SessionGrid &cells, int s)
{
    TimingSummary summary;
    const SegmentStarts &walk = segmentStarts(cells);
    int line = 0;
    if (s >= 1 && size_t(s) <= walk.starts.size()) {
        summary.lines[line] = clockText(TimingSummaryTexts::tr("Segment %1 start time %2:%3"), s, walk.starts[size_t(s - 1)]);
        line = 1;
    }
    if (!walk.error.isEmpty()) {
        summary.error = walk.error;
        return summary;
    }
    const qint64 total = walk.total;
    summary.lines[line] = clockText(TimingSummaryTexts::tr("Session total time %1:%2"), 0, total);
    // Loop counts from a file can make a total beyond any real session.
    summary.totalSeconds = int(std::min<qint64>(total / 2, std::numeric_limits<int>::max()));
    return summary;
}

#include "session/TimingSummary.h"

#include "session/ConversionError.h"
#include "session/LoopPasses.h"
#include "session/Session.h"
#include "session/SessionView.h"
#include "session/TextNumbers.h"

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

TimingSummary ComputeTimingSummary(const SessionGrid &cells, int s)
{
    TimingSummary summary;
    int line = 0;
    qint64 total = 0;
    int left = 0;
    qint64 sum = 0;
    int repeats = 0;
    try {
        for (int i = 1; i <= cells.columnCount(); ++i) {
            const int column = i - 1;
            const int h = TextNumbers::halfSecondsOfTime(cells.cell(column, 1));
            if (i == s) {
                summary.lines[line] = clockText(u"Segment %1 start time %2:%3"_s, i, total);
                line = 1;
            }
            total += h;
            const QString &loopSegs = cells.cell(column, 13);
            if (loopSegs != u"0") {
                left = TextNumbers::integer(loopSegs);
                sum = 0;
                repeats = loopPasses(TextNumbers::integer(cells.cell(column, 14)));
            }
            if (left > 0) {
                --left;
                sum += h;
                if (left == 0)
                    total += (qint64(repeats) - 1) * sum;
            }
        }
    } catch (const ConversionError &e) {
        summary.error = e.message();
        return summary;
    }
    summary.lines[line] = clockText(u"Session total time %1:%2"_s, 0, total);
    // Loop counts from a file can make a total beyond any real session.
    summary.totalSeconds = int(std::min<qint64>(total / 2, std::numeric_limits<int>::max()));
    return summary;
}

void UpdateTimingSummary(Session &session, SessionView &view, int s)
{
    TimingSummary summary = ComputeTimingSummary(session.cells, s);
    session.TimingPanel = summary.lines;
    view.timingChanged();
    if (!summary.error.isEmpty())
        throw ConversionError(summary.error);
    session.SessionTotalSeconds = summary.totalSeconds;
}

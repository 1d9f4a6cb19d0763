#include "core/check/SessionCheck.h"

#include "core/check/FlashRateCheck.h"
#include "core/compiler/SegmentEncoder.h"
#include "core/device/DeviceInfo.h"
#include "core/session/Session.h"
#include "core/session/SessionRows.h"
#include "core/session/TextNumbers.h"

#include <QCoreApplication>
#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace {
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(SessionCheck)
};

class ProblemList : public EncoderFindings
{
public:
    void found(const EncoderFinding &finding) override
    {
        const bool warning = finding.kind == EncoderFinding::ToneGroupChange;
        add(warning ? SessionProblem::Warning : SessionProblem::Error, finding.segment, finding.row, finding.text);
    }

    void add(SessionProblem::Severity severity, int segment, int row, const QString &text)
    {
        problems.append({severity, segment, row, text});
    }

    QList<SessionProblem> problems;
};

// The device takes a loop's length and repeat count in four bits each.
constexpr int MostLoopCount = 15;

int loopNumber(const SessionGrid &cells, int column, int row)
{
    // A text that is not a number is the encoder's error, not a loop.
    return TextNumbers::tryInteger(cells.cell(column, row)).value_or(0);
}

// The loop problems of each loop start, by column. A hand-made file may hold
// loops the editor never makes, and counts the device would read as others:
// then the timing, graphs and preview would not show what it plays.
class LoopCheck
{
public:
    // Loop lengths held in Loop Segs, as written; a count below 1 starts no loop.
    explicit LoopCheck(const SessionGrid &cells)
        : mLengths(size_t(cells.columnCount()), 0)
        , mNextStart(mLengths.size(), -1)
    {
        int next = -1;
        for (int column = int(mLengths.size()) - 1; column >= 0; --column) {
            mLengths[size_t(column)] = loopNumber(cells, column, LoopSegsRow);
            mNextStart[size_t(column)] = next;
            if (mLengths[size_t(column)] > 0)
                next = column;
        }
    }

    void check(const SessionGrid &cells, int column, ProblemList &list) const
    {
        const int written = mLengths[size_t(column)];
        const int segment = column + 1;
        if (written > 0) {
            const qint64 last = qint64(column) + written - 1;
            const int next = mNextStart[size_t(column)];
            if (next >= 0 && next <= last) {
                list.add(SessionProblem::Warning, segment, LoopSegsRow,
                         Texts::tr("Loop at segment %1 overlaps the loop at segment %2").arg(segment).arg(next + 1));
            }
            if (last >= qint64(mLengths.size())) {
                list.add(SessionProblem::Warning, segment, LoopSegsRow,
                         Texts::tr("Loop at segment %1 runs past the last segment").arg(segment));
            }
        }
        if (written < 0 || written > MostLoopCount) {
            list.add(SessionProblem::Warning, segment, LoopSegsRow,
                     Texts::tr("Loop at segment %1 is %2 segments long; the device takes 0 to 15")
                         .arg(segment)
                         .arg(written));
        }
        if ((written & MostLoopCount) == 0)
            return;
        const int times = loopNumber(cells, column, LoopTimesRow);
        if (times < 0 || times > MostLoopCount) {
            list.add(SessionProblem::Warning, segment, LoopTimesRow,
                     Texts::tr("Loop at segment %1 repeats %2 times; the device takes 0 to 15")
                         .arg(segment)
                         .arg(times));
        }
    }

private:
    std::vector<int> mLengths;
    std::vector<int> mNextStart;
};
} // namespace

QList<SessionProblem> checkSession(const Session &session, const DeviceInfo *device)
{
    ProblemList list;
    const int segmentCount = session.cells.columnCount();
    const QString refusal = sessionLengthRefusal(segmentCount);
    if (!refusal.isEmpty())
        list.add(SessionProblem::Error, 0, 0, refusal);
    const LoopCheck loops(session.cells);
    SessionImage::Record scratch{};
    for (int column = 0; column < segmentCount; ++column) {
        encodeSegment(session, column, scratch, list);
        loops.check(session.cells, column, list);
    }
    if (device) {
        for (const QString &text : device->appendRefusals(segmentCount))
            list.add(SessionProblem::Warning, 0, 0, text);
    }
    list.problems.append(flashRateFindings(session));
    return list.problems;
}

QString problemSummary(const QList<SessionProblem> &problems)
{
    qsizetype errors = 0;
    qsizetype warnings = 0;
    for (const SessionProblem &problem : problems) {
        errors += problem.severity == SessionProblem::Error ? 1 : 0;
        warnings += problem.severity == SessionProblem::Warning ? 1 : 0;
    }
    if (errors == 0 && warnings == 0)
        return Texts::tr("No problems");
    QStringList parts;
    if (errors > 0)
        parts.append(errors == 1 ? Texts::tr("1 error") : Texts::tr("%1 errors").arg(errors));
    if (warnings > 0)
        parts.append(warnings == 1 ? Texts::tr("1 warning") : Texts::tr("%1 warnings").arg(warnings));
    return parts.join(u", "_s);
}

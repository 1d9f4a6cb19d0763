#include "core/check/SessionChecker.h"

#include "core/beds/BedProblems.h"
#include "core/compiler/SegmentEncoder.h"
#include "core/device/DeviceInfo.h"
#include "core/session/Session.h"
#include "core/session/NearestValueIndex.h"
#include "core/session/QuarterUnitList.h"
#include "core/session/SessionRows.h"
#include "core/session/ValueLists.h"
#include "core/session/WalkNumbers.h"

#include <QCoreApplication>

using namespace Qt::Literals::StringLiterals;

namespace {
struct SessionCheckerTexts
{
    Q_DECLARE_TR_FUNCTIONS(SessionCheck)
};

class ProblemList : public EncoderFindings
{
public:
    explicit ProblemList(QList<SessionProblem> &problems)
        : mProblems(problems)
    {
    }

    void found(const EncoderFinding &finding) override
    {
        const bool warning = finding.kind == EncoderFinding::ToneGroupChange;
        mProblems.append({warning ? SessionProblem::Warning : SessionProblem::Error, finding.segment, finding.row,
                          finding.text});
    }

private:
    QList<SessionProblem> &mProblems;
};

QList<SessionProblem> encoderFindings(const Session &session, int column)
{
    QList<SessionProblem> problems;
    ProblemList list(problems);
    SessionImage::Record scratch{};
    encodeSegment(session, column, scratch, list);
    return problems;
}

// The device plays the level list's entry nearest to the cell: its first,
// "0", is off. A text that is not a number is the encoder's error, not
// silence.
bool levelAboveZero(const QString &text)
{
    static const QuarterUnitList levels(ValueLists::LevelList);
    const NearestValue nearest = findNearestValue(text, levels);
    return !nearest.converted || nearest.index != 0;
}

// The device takes a loop's length and repeat count in four bits each.
constexpr int MostLoopCount = 15;

// A hand-made file may hold loops the editor never makes, and counts the
// device would read as others: then the timing, graphs and preview would not
// show what it plays. A text that is not a number is the encoder's error, not
// a loop: it reads as 0 here. nextStart is the next column whose loop length
// is above 0, or -1.
void checkLoop(const std::vector<WalkNumbers::Numbers> &numbers, int column, int nextStart,
               QList<SessionProblem> &problems)
{
    const int written = numbers[size_t(column)].loopSegments;
    const int segment = column + 1;
    if (written > 0) {
        const qint64 last = qint64(column) + written - 1;
        if (nextStart >= 0 && nextStart <= last) {
            problems.append({SessionProblem::Warning, segment, LoopSegsRow,
                             SessionCheckerTexts::tr("Loop at segment %1 overlaps the loop at segment %2").arg(segment).arg(nextStart + 1)});
        }
        if (last >= qint64(numbers.size())) {
            problems.append({SessionProblem::Warning, segment, LoopSegsRow,
                             SessionCheckerTexts::tr("Loop at segment %1 runs past the last segment").arg(segment)});
        }
    }
    if (written < 0 || written > MostLoopCount) {
        problems.append({SessionProblem::Warning, segment, LoopSegsRow,
                         SessionCheckerTexts::tr("Loop at segment %1 is %2 segments long; the device takes 0 to 15").arg(segment).arg(written)});
    }
    if ((written & MostLoopCount) == 0)
        return;
    const int times = numbers[size_t(column)].loopTimes;
    if (times < 0 || times > MostLoopCount) {
        problems.append({SessionProblem::Warning, segment, LoopTimesRow,
                         SessionCheckerTexts::tr("Loop at segment %1 repeats %2 times; the device takes 0 to 15").arg(segment).arg(times)});
    }
}
} // namespace

QList<SessionProblem> SessionChecker::check(const Session &session, const DeviceInfo *device)
{
    QList<SessionProblem> problems;
    const int segmentCount = session.cells.columnCount();
    const QString refusal = sessionLengthRefusal(segmentCount);
    if (!refusal.isEmpty())
        problems.append({SessionProblem::Error, 0, 0, refusal});

    if (session.kind != mKind) {
        mKind = session.kind;
        mColumns.clear();
    }
    std::vector<ColumnFindings> &columns = mColumns.follow(session.cells, [&session](const SessionGrid &cells, int column) {
        return ColumnFindings{encoderFindings(session, column), levelAboveZero(cells.cell(column, VolumeRow)),
                              levelAboveZero(cells.cell(column, IntensityRow))};
    });
    const std::vector<WalkNumbers::Numbers> &numbers = WalkNumbers::ofThisThread().table(session.cells);
    mNextLoopStart.resize(size_t(segmentCount));
    for (int column = segmentCount - 1, next = -1; column >= 0; --column) {
        mNextLoopStart[size_t(column)] = next;
        if (numbers[size_t(column)].loopSegments > 0)
            next = column;
    }
    bool sounds = false;
    bool lights = false;
    for (int column = 0; column < segmentCount; ++column) {
        ColumnFindings &found = columns[size_t(column)];
        // The texts name the segment: those of a column that moved are made anew.
        if (!found.problems.isEmpty() && found.problems.first().segment != column + 1)
            found.problems = encoderFindings(session, column);
        problems.append(found.problems);
        checkLoop(numbers, column, mNextLoopStart[size_t(column)], problems);
        sounds = sounds || found.sounds;
        lights = lights || found.lights;
    }
    // Most likely an import that lost its levels, or a session not finished.
    if (segmentCount > 0 && !sounds)
        problems.append({SessionProblem::Warning, 0, 0,
                         SessionCheckerTexts::tr("The session is silent from start to end: every segment's Volume is 0")});
    if (segmentCount > 0 && !lights)
        problems.append({SessionProblem::Warning, 0, 0,
                         SessionCheckerTexts::tr("The session is dark from start to end: every segment's Intensity is 0")});
    if (device) {
        for (const QString &text : device->appendRefusals(segmentCount))
            problems.append({SessionProblem::Warning, 0, 0, text});
    }
    problems.append(mFlashRates.findings(session));
    problems.append(bedProblems(session.beds));
    return problems;
}

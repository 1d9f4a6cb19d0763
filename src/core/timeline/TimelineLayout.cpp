#include "core/timeline/TimelineLayout.h"

#include "core/session/ConversionError.h"
#include "core/session/PlayedWalk.h"
#include "core/session/Session.h"
#include "core/session/TextNumbers.h"
#include "core/session/WalkNumbers.h"

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace {
double levelOf(const QString &cell)
{
    return std::clamp(TextNumbers::tryDecimal(cell).value_or(0.0), 0.0, 100.0);
}
} // namespace

bool TimelinePass::operator==(const TimelinePass &other) const
{
    return column == other.column && start == other.start && halfSeconds == other.halfSeconds
        && firstPass == other.firstPass && beat.start == other.beat.start && beat.end == other.beat.end
        && beat2.start == other.beat2.start && beat2.end == other.beat2.end && volumeFrom == other.volumeFrom
        && volumeTo == other.volumeTo && intensityFrom == other.intensityFrom && intensityTo == other.intensityTo;
}

TimelineLayout::TimelineLayout(const Session &session)
    : mColumnCount(session.cells.columnCount()), mKind(session.kind)
{
    const SessionGrid &cells = session.cells;
    mFirstPass.assign(size_t(mColumnCount), -1);
    FrequencyWalk beats(Freq1Row);
    FrequencyWalk beats2(Freq2Row);
    double volume = 0;
    double intensity = 0;
    PlayedWalk walk(cells, LoopRule::LatestStart);
    PlayedSegment segment;
    try {
        while (walk.next(segment)) {
            TimelinePass pass;
            pass.column = segment.column;
            pass.start = segment.start;
            pass.halfSeconds = segment.halfSeconds;
            pass.firstPass = segment.firstPass;
            pass.beat = beats.nextHertz(cells, segment.column);
            if (isDual())
                pass.beat2 = beats2.nextHertz(cells, segment.column);
            const bool ramp = cells.cell(segment.column, VIRampRow) == u"seg"_s;
            pass.volumeTo = levelOf(cells.cell(segment.column, VolumeRow));
            pass.intensityTo = levelOf(cells.cell(segment.column, IntensityRow));
            pass.volumeFrom = ramp ? volume : pass.volumeTo;
            pass.intensityFrom = ramp ? intensity : pass.intensityTo;
            volume = pass.volumeTo;
            intensity = pass.intensityTo;
            if (segment.firstPass)
                mFirstPass[size_t(segment.column)] = int(mPasses.size());
            mPasses.push_back(pass);
        }
    } catch (const ConversionError &error) {
        mError = error.message();
    }
    mTotal = mPasses.empty() ? 0 : mPasses.back().end();
    findLoops(session);
    for (const TimelinePass &pass : mPasses) {
        const bool first = &pass == &mPasses.front();
        const double low = std::min({pass.beat.start, pass.beat.end, isDual() ? pass.beat2.start : pass.beat.end,
                                     isDual() ? pass.beat2.end : pass.beat.end});
        const double high = std::max({pass.beat.start, pass.beat.end, isDual() ? pass.beat2.start : pass.beat.end,
                                      isDual() ? pass.beat2.end : pass.beat.end});
        mLowestBeat = first ? low : std::min(mLowestBeat, low);
        mHighestBeat = first ? high : std::max(mHighestBeat, high);
    }
}

void TimelineLayout::findLoops(const Session &session)
{
    const std::vector<WalkNumbers::Numbers> &numbers = WalkNumbers::ofThisThread().table(session.cells);
    for (int column = 0; column < mColumnCount; ++column) {
        const WalkNumbers::Numbers &loop = numbers[size_t(column)];
        const int first = mFirstPass[size_t(column)];
        if (!loop.startsLoop || loop.failed || loop.loopSegments <= 0 || first < 0)
            continue;
        TimelineLoop found{column, std::min(column + loop.loopSegments, mColumnCount) - 1, 0, mPasses[size_t(first)].start, 0};
        for (size_t i = size_t(first); i < mPasses.size(); ++i) {
            const TimelinePass &pass = mPasses[i];
            if (pass.column < found.firstColumn || pass.column > found.lastColumn)
                break;
            found.times += pass.column == column ? 1 : 0;
            found.end = pass.end();
        }
        if (found.times > 1)
            mLoops.push_back(found);
    }
}

int TimelineLayout::passAt(double halfSeconds) const
{
    if (halfSeconds < 0 || halfSeconds >= double(mTotal))
        return -1;
    const auto after = std::upper_bound(mPasses.begin(), mPasses.end(), halfSeconds,
                                        [](double time, const TimelinePass &pass) { return time < double(pass.start); });
    return int(after - mPasses.begin()) - 1;
}

int TimelineLayout::firstPassOf(int column) const
{
    return column >= 0 && column < int(mFirstPass.size()) ? mFirstPass[size_t(column)] : -1;
}

TimelineLayout::Span TimelineLayout::differenceFrom(const TimelineLayout &before) const
{
    if (mKind != before.mKind || mColumnCount != before.mColumnCount || mLoops.size() != before.mLoops.size())
        return {0, std::max(mTotal, before.mTotal) + 1};
    const size_t common = std::min(mPasses.size(), before.mPasses.size());
    size_t first = 0;
    while (first < common && mPasses[first] == before.mPasses[first])
        ++first;
    if (first == common && mPasses.size() == before.mPasses.size())
        return {};
    size_t tailNew = mPasses.size();
    size_t tailOld = before.mPasses.size();
    while (tailNew > first && tailOld > first && mPasses[tailNew - 1] == before.mPasses[tailOld - 1]) {
        --tailNew;
        --tailOld;
    }
    const qint64 from = std::min(first < mPasses.size() ? mPasses[first].start : mTotal,
                                 first < before.mPasses.size() ? before.mPasses[first].start : before.mTotal);
    const qint64 to = std::max(tailNew > 0 ? mPasses[tailNew - 1].end() : 0,
                               tailOld > 0 ? before.mPasses[tailOld - 1].end() : 0);
    return {from, std::max(to, from + 1)};
}

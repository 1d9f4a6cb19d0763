#include "core/check/FlashRateCheck.h"

#include "core/check/SessionCheck.h"
#include "core/graph/GraphFrequencies.h"
#include "core/session/ConversionError.h"
#include "core/session/NearestValueIndex.h"
#include "core/session/PlayedWalk.h"
#include "core/session/QuarterUnitList.h"
#include "core/session/Session.h"
#include "core/session/ValueLists.h"

#include <QCoreApplication>
#include <QStringBuilder>
#include <algorithm>
#include <limits>
#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace {
struct FlashRateCheckTexts
{
    Q_DECLARE_TR_FUNCTIONS(SessionCheck)
};

using Band = FlashBand;
constexpr Band PeakBand = FlashPeakBand;
constexpr Band FlickerBand = FlashFlickerBand;

using Stretch = FlashStretch;

// How much of the course two stretches cover together.
double coveredLength(Stretch a, Stretch b)
{
    if (a.isEmpty())
        return b.isEmpty() ? 0 : b.to - b.from;
    if (b.isEmpty())
        return a.to - a.from;
    const double overlap = std::max(0.0, std::min(a.to, b.to) - std::max(a.from, b.from));
    return (a.to - a.from) + (b.to - b.from) - overlap;
}

using Exposure = FlashRateCheck::Exposure;

// Widens what a beat reached of the band; row names the first beat that did.
void reach(Exposure &exposure, const FrequencyRun &run, const Band &band, int beatRow)
{
    const double low = std::max(band.low, std::min(run.start, run.end));
    const double high = std::min(band.high, std::max(run.start, run.end));
    if (low > high)
        return;
    if (!exposure.reached())
        exposure.row = beatRow;
    exposure.lowest = std::min(exposure.lowest, low);
    exposure.highest = std::max(exposure.highest, high);
}

QString hertzText(double hertz)
{
    QString text = QString::number(hertz, 'f', 2);
    while (text.endsWith(u'0'))
        text.chop(1);
    if (text.endsWith(u'.'))
        text.chop(1);
    return text;
}

QString durationText(double seconds)
{
    const qint64 whole = qint64(seconds + 0.5);
    return QString::number(whole / 60) % u':' % QString::number(whole % 60).rightJustified(2, u'0');
}

bool isLit(const QString &intensity)
{
    static const QuarterUnitList levels(ValueLists::LevelList);
    const NearestValue level = findNearestValue(intensity, levels);
    return level.converted && level.index > 0;
}
} // namespace

FlashStretch stretchInBand(const FrequencyRun &run, const FlashBand &band)
{
    const double slope = run.end - run.start;
    if (slope == 0)
        return run.start >= band.low && run.start <= band.high ? FlashStretch{0, 1} : FlashStretch{};
    const double a = (band.low - run.start) / slope;
    const double b = (band.high - run.start) / slope;
    return {std::max(0.0, std::min(a, b)), std::min(1.0, std::max(a, b))};
}

QList<SessionProblem> flashRateFindings(const Session &session)
{
    return FlashRateCheck().findings(session);
}

QList<SessionProblem> FlashRateCheck::findings(const Session &session)
{
    const SessionGrid &cells = session.cells;
    const bool dual = session.kind == DualBinauralSession;
    if (session.kind != mKind) {
        mKind = session.kind;
        mColumns.clear();
    }
    const std::vector<ColumnLight> &columns = mColumns.follow(cells, [dual](const SessionGrid &grid, int column) {
        ColumnLight light;
        light.lit = isLit(grid.cell(column, IntensityRow));
        light.first = FrequencyWalk::ColumnHertz::read(grid, column, Freq1Row);
        if (dual)
            light.second = FrequencyWalk::ColumnHertz::read(grid, column, Freq2Row);
        return light;
    });
    mPeak.assign(columns.size(), Exposure());
    double flickerSeconds = 0;
    PlayedWalk walk(cells, LoopRule::LatestStart);
    FrequencyWalk firstBeat(Freq1Row);
    FrequencyWalk secondBeat(Freq2Row);
    try {
        PlayedSegment pass;
        while (walk.next(pass)) {
            const ColumnLight &light = columns[size_t(pass.column)];
            const FrequencyRun first = firstBeat.nextHertz(light.first);
            const FrequencyRun second = dual ? secondBeat.nextHertz(light.second) : FrequencyRun{};
            if (!light.lit)
                continue;
            const double seconds = pass.halfSeconds / 2.0;
            const Stretch otherFlicker = dual ? stretchInBand(second, FlickerBand) : Stretch{};
            flickerSeconds += seconds * coveredLength(stretchInBand(first, FlickerBand), otherFlicker);
            Exposure &exposure = mPeak[size_t(pass.column)];
            const Stretch firstPeak = stretchInBand(first, PeakBand);
            const Stretch secondPeak = dual ? stretchInBand(second, PeakBand) : Stretch{};
            // The time is when either beat is in the band.
            exposure.seconds += seconds * coveredLength(firstPeak, secondPeak);
            if (!firstPeak.isEmpty())
                reach(exposure, first, PeakBand, StartFreqRow);
            if (!secondPeak.isEmpty())
                reach(exposure, second, PeakBand, Freq2Row);
        }
    } catch (const ConversionError &) {
        // The session check reports the text; the light is judged up to it.
    }

    // Each warning is made again from those of the last check. Every entry
    // holds a text true to its exposure and segment, so the older ones
    // left in place are as good as empty ones.
    std::swap(mWarnings, mLastWarnings);
    mWarnings.resize(mPeak.size());
    QList<SessionProblem> findings;
    findings.reserve(qsizetype(std::count_if(mPeak.begin(), mPeak.end(), [](const Exposure &e) { return e.reached(); }))
                     + 1);
    for (size_t column = 0; column < mPeak.size(); ++column) {
        const Exposure &exposure = mPeak[column];
        if (exposure.reached())
            findings.append({SessionProblem::Warning, int(column) + 1, exposure.row, warningText(column, exposure)});
    }
    // The whole session's time in the wider band, where it has a warning.
    if (!findings.isEmpty()) {
        findings.append({SessionProblem::Note, 0, 0,
                         FlashRateCheckTexts::tr("The light flashes at 3 to 30 Hz, the range that can provoke seizures, for %1 "
                                   "of the session")
                             .arg(durationText(flickerSeconds))});
    }
    return findings;
}

const QString &FlashRateCheck::warningText(size_t column, const Exposure &exposure)
{
    Warning &warning = mWarnings[column];
    if (column < mLastWarnings.size() && mLastWarnings[column].exposure == exposure) {
        warning = mLastWarnings[column];
        return warning.text;
    }
    const QString range = exposure.lowest == exposure.highest
        ? hertzText(exposure.lowest)
        : hertzText(exposure.lowest) % u'\u2013' % hertzText(exposure.highest);
    warning.exposure = exposure;
    warning.text = FlashRateCheckTexts::tr("Light flashes at %1 Hz for %2 in segment %3: the range most likely to provoke "
                             "seizures in people with photosensitive epilepsy")
                       .arg(range, durationText(exposure.seconds))
                       .arg(column + 1);
    return warning.text;
}

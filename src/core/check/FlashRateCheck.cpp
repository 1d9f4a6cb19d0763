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
#include <QLocale>
#include <algorithm>
#include <limits>
#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace {
struct Texts
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

// A segment's time in a band and the part of the band its beats reach.
struct Exposure
{
    double seconds = 0;
    double lowest = std::numeric_limits<double>::infinity();
    double highest = -std::numeric_limits<double>::infinity();

    int row = 0; // of the first beat that reached the band

    bool reached() const { return lowest <= highest; }
    void reach(const FrequencyRun &run, const Band &band, int beatRow)
    {
        const double low = std::max(band.low, std::min(run.start, run.end));
        const double high = std::min(band.high, std::max(run.start, run.end));
        if (low > high)
            return;
        if (!reached())
            row = beatRow;
        lowest = std::min(lowest, low);
        highest = std::max(highest, high);
    }
};

QString hertzText(double hertz)
{
    QString text = QLocale::c().toString(hertz, 'f', 2);
    while (text.endsWith(u'0'))
        text.chop(1);
    if (text.endsWith(u'.'))
        text.chop(1);
    return text;
}

QString durationText(double seconds)
{
    const qint64 whole = qint64(seconds + 0.5);
    return u"%1:%2"_s.arg(whole / 60).arg(whole % 60, 2, 10, QChar(u'0'));
}

// Whether each segment's light is on, read once for all its passes.
std::vector<bool> lightsOn(const SessionGrid &cells)
{
    static const QuarterUnitList levels(ValueLists::LevelList);
    std::vector<bool> on(size_t(cells.columnCount()));
    for (int column = 0; column < cells.columnCount(); ++column) {
        const NearestValue level = findNearestValue(cells.cell(column, IntensityRow), levels);
        on[size_t(column)] = level.converted && level.index > 0;
    }
    return on;
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
    const SessionGrid &cells = session.cells;
    const bool dual = session.kind == DualBinauralSession;
    std::vector<Exposure> peak(size_t(cells.columnCount()));
    const std::vector<bool> lit = lightsOn(cells);
    double flickerSeconds = 0;
    PlayedWalk walk(cells, LoopRule::LatestStart);
    FrequencyWalk firstBeat(Freq1Row);
    FrequencyWalk secondBeat(Freq2Row);
    try {
        PlayedSegment pass;
        while (walk.next(pass)) {
            const FrequencyRun first = firstBeat.nextHertz(cells, pass.column);
            const FrequencyRun second = dual ? secondBeat.nextHertz(cells, pass.column) : FrequencyRun{};
            if (!lit[size_t(pass.column)])
                continue;
            const double seconds = pass.halfSeconds / 2.0;
            const Stretch otherFlicker = dual ? stretchInBand(second, FlickerBand) : Stretch{};
            flickerSeconds += seconds * coveredLength(stretchInBand(first, FlickerBand), otherFlicker);
            Exposure &exposure = peak[size_t(pass.column)];
            const Stretch firstPeak = stretchInBand(first, PeakBand);
            const Stretch secondPeak = dual ? stretchInBand(second, PeakBand) : Stretch{};
            // The time is when either beat is in the band.
            exposure.seconds += seconds * coveredLength(firstPeak, secondPeak);
            if (!firstPeak.isEmpty())
                exposure.reach(first, PeakBand, StartFreqRow);
            if (!secondPeak.isEmpty())
                exposure.reach(second, PeakBand, Freq2Row);
        }
    } catch (const ConversionError &) {
        // The session check reports the text; the light is judged up to it.
    }

    QList<SessionProblem> findings;
    for (size_t column = 0; column < peak.size(); ++column) {
        const Exposure &exposure = peak[column];
        if (!exposure.reached())
            continue;
        const QString range = exposure.lowest == exposure.highest
            ? hertzText(exposure.lowest)
            : u"%1\u2013%2"_s.arg(hertzText(exposure.lowest), hertzText(exposure.highest));
        findings.append({SessionProblem::Warning, int(column) + 1, exposure.row,
                         Texts::tr("Light flashes at %1 Hz for %2 in segment %3: the range most likely to provoke "
                                   "seizures in people with photosensitive epilepsy")
                             .arg(range, durationText(exposure.seconds))
                             .arg(column + 1)});
    }
    // The whole session's time in the wider band, where it has a warning.
    if (!findings.isEmpty()) {
        findings.append({SessionProblem::Note, 0, 0,
                         Texts::tr("The light flashes at 3 to 30 Hz, the range that can provoke seizures, for %1 "
                                   "of the session")
                             .arg(durationText(flickerSeconds))});
    }
    return findings;
}

#include "core/session/SplitSegment.h"

#include "core/graph/GraphFrequencies.h"
#include "core/session/GlideAcross.h"
#include "core/session/NearestValueIndex.h"
#include "core/session/Prompter.h"
#include "core/session/QuarterUnitList.h"
#include "core/session/Session.h"
#include "core/session/SessionContext.h"
#include "core/session/SessionDocument.h"
#include "core/session/SessionRows.h"
#include "core/session/TextNumbers.h"
#include "core/session/ValueLists.h"

#include <QCoreApplication>
#include <algorithm>
#include <limits>
#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace {
struct SplitSegmentTexts
{
    Q_DECLARE_TR_FUNCTIONS(SplitSegment)
};

const QList<int> &halfSecondEntries()
{
    static const QList<int> entries = [] {
        QList<int> values;
        for (const QString &entry : ValueLists::HalfSecondList)
            values << entry.toInt();
        return values;
    }();
    return entries;
}

// The entry of list nearest to a number, snapped as the file reader snaps.
QString nearestEntry(const QStringList &list, double value)
{
    const QuarterUnitList quarters(list);
    return list.at(std::max(0, findNearestValue(std::nearbyint(value * 4.0), quarters).index));
}

// What a row reads at a share of the segment's time, gliding from `from`.
struct RowGlide
{
    int row;
    const QStringList &list;
    double from;
    double to;
};
} // namespace

std::optional<QList<int>> splitTimes(int halfSeconds, int parts)
{
    if (parts < 1 || halfSeconds < parts)
        return std::nullopt;
    // Fewest squared differences from the equal share, by sums reached with
    // k times: cost[k][sum], the last time taken in pick[k][sum].
    const QList<int> &entries = halfSecondEntries();
    const double share = double(halfSeconds) / parts;
    constexpr double None = std::numeric_limits<double>::infinity();
    const size_t width = size_t(halfSeconds) + 1;
    std::vector<double> cost(width * size_t(parts + 1), None);
    std::vector<int> pick(width * size_t(parts + 1), -1);
    cost[0] = 0;
    for (int k = 1; k <= parts; ++k) {
        for (int sum = 0; sum <= halfSeconds; ++sum) {
            for (qsizetype i = 0; i < entries.size() && entries.at(i) <= sum; ++i) {
                const double before = cost[size_t(k - 1) * width + size_t(sum - entries.at(i))];
                const double here = before + (entries.at(i) - share) * (entries.at(i) - share);
                if (here < cost[size_t(k) * width + size_t(sum)]) {
                    cost[size_t(k) * width + size_t(sum)] = here;
                    pick[size_t(k) * width + size_t(sum)] = int(i);
                }
            }
        }
    }
    if (cost[size_t(parts) * width + size_t(halfSeconds)] == None)
        return std::nullopt;
    QList<int> times;
    for (int k = parts, sum = halfSeconds; k > 0; --k) {
        const int i = pick[size_t(k) * width + size_t(sum)];
        times << i;
        sum -= entries.at(i);
    }
    std::sort(times.begin(), times.end(), std::greater<>());
    return times;
}

void splitSegment(const SessionContext &context, int k)
{
    SessionDocument &document = context.document;
    const Session &session = document.session();
    const SessionGrid &cells = session.cells;
    if (cells.cell(k, LoopTimesRow) != u"0") {
        context.prompter.error(SplitSegmentTexts::tr("Cannot split inside loop"));
        return;
    }
    const auto time = TextNumbers::tryHalfSecondsOfTime(cells.cell(k, TimeRow));
    const int room = SessionGrid::MaxSegments - cells.columnCount() + 1;
    const int most = int(std::min<qint64>(room, time.value_or(0)));
    if (most < 2) {
        if (room < 2)
            context.prompter.beep();
        context.prompter.error(room < 2 ? SplitSegmentTexts::tr("Max 1000 Segments")
                                        : SplitSegmentTexts::tr("Segment %1 is too short to split").arg(k + 1));
        return;
    }
    const QString answer = context.prompter.inputBox(
        SplitSegmentTexts::tr("Split Segment"),
        SplitSegmentTexts::tr("Split segment %1 into how many segments (2-%2)?").arg(k + 1).arg(most), QString());
    if (answer.trimmed().isEmpty())
        return;
    const std::optional<double> number = TextNumbers::tryDecimal(answer);
    const int parts = number && *number == std::floor(*number) && *number >= 2 && *number <= most ? int(*number) : 0;
    const std::optional<QList<int>> times = parts ? splitTimes(int(*time), parts) : std::nullopt;
    if (!times) {
        context.prompter.error(SplitSegmentTexts::tr("Integer 2-%1 needed").arg(most));
        return;
    }

    const bool dual = session.kind == DualBinauralSession;
    const bool dualRamp = dual && k > 0 && cells.cell(k, DbbRampRow) == u"ramp";
    const bool levelRamp = cells.cell(k, VIRampRow) == u"seg";
    const auto level = [&](int row) { return hertzOf(cells.cell(k, row)); };
    const auto before = [&](int row) { return k > 0 ? hertzOf(cells.cell(k - 1, row)) : level(row); };
    std::vector<RowGlide> glides;
    if (dual && dualRamp) {
        glides.push_back({Freq1Row, ValueLists::FreqList, before(Freq1Row), level(Freq1Row)});
        glides.push_back({Freq2Row, ValueLists::FreqList, before(Freq2Row), level(Freq2Row)});
    }
    if (levelRamp) {
        glides.push_back({VolumeRow, ValueLists::LevelList, before(VolumeRow), level(VolumeRow)});
        glides.push_back({IntensityRow, ValueLists::LevelList, before(IntensityRow), level(IntensityRow)});
    }
    const bool beatGlides = !dual && !cells.cell(k, TargetFreqRow).isEmpty();

    const EditStep step{SplitSegmentTexts::tr("Split Segment %1").arg(k + 1), {k, 0}, k + 1};
    document.edit(step, [&](Session &edited) {
        const SessionGrid::Column original = edited.cells.column(k);
        for (int j = 1; j < parts; ++j)
            edited.cells.shiftRightFrom(k);
        double elapsed = 0;
        for (int j = 0; j < parts; ++j) {
            const int column = k + j;
            edited.cells.setColumn(column, original);
            edited.cells.setCell(column, TimeRow, ValueLists::TimeList.at(times->at(j)));
            const double start = elapsed / *time;
            elapsed += halfSecondEntries().at(times->at(j));
            const double end = elapsed / *time;
            for (const RowGlide &glide : glides)
                edited.cells.setCell(column, glide.row, nearestEntry(glide.list, glide.from + (glide.to - glide.from) * end));
            if (beatGlides) {
                const double from = hertzOf(original[StartFreqRow]);
                const double to = hertzOf(original[TargetFreqRow]);
                edited.cells.setCell(column, StartFreqRow,
                                     ValueLists::FreqList.at(nearestFreqIndex(glideHertz(from, to, start, GlideSpacing::Linear))));
                edited.cells.setCell(column, TargetFreqRow,
                                     ValueLists::TargetFreqList.at(
                                         1 + nearestFreqIndex(glideHertz(from, to, end, GlideSpacing::Linear))));
            }
        }
    });
}

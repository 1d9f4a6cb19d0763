#include "core/exchange/ImportLosses.h"

#include <QCoreApplication>
#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace {
// One context for lupdate and the translator alike.
struct ImportReport
{
    Q_DECLARE_TR_FUNCTIONS(ImportReport)
};

constexpr int MostDetails = 3;
constexpr int MostRanges = 3;

struct Range
{
    int first;
    int last;
};

// Runs of segments next to each other; too many become one from the first to the last.
QList<Range> rangesOf(const QList<int> &segments)
{
    if (segments.contains(0))
        return {{0, 0}}; // the whole session
    QList<Range> ranges;
    for (const int segment : segments) {
        if (!ranges.isEmpty() && segment <= ranges.last().last + 1)
            ranges.last().last = std::max(ranges.last().last, segment);
        else
            ranges.append({segment, segment});
    }
    if (ranges.size() > MostRanges)
        ranges = {{ranges.first().first, ranges.last().last}};
    return ranges;
}
} // namespace

void ImportLosses::add(const QString &kind, int segment, const QString &detail, bool changesPlay, int row, int line)
{
    qsizetype index = mIndex.value(kind, -1);
    if (index < 0) {
        index = mKinds.size();
        mIndex.insert(kind, index);
        mKinds.append({kind, {}, {}, {}, false, row});
    }
    Kind &made = mKinds[index];
    if (made.segments.isEmpty() || made.segments.last() != segment) {
        const auto at = std::lower_bound(made.segments.begin(), made.segments.end(), segment);
        if (at == made.segments.end() || *at != segment)
            made.segments.insert(at, segment);
    }
    if (!detail.isEmpty() && made.details.size() <= MostDetails && !made.details.contains(detail))
        made.details.append(detail);
    if (line > 0 && !made.lines.contains(line))
        made.lines.append(line);
    made.changesPlay = made.changesPlay || changesPlay;
    if (made.row != row)
        made.row = 0;
}

QList<ExchangeNote> ImportLosses::notes(int most) const
{
    QList<ExchangeNote> notes;
    for (const Kind &kind : mKinds) {
        QString message = kind.name;
        if (!kind.details.isEmpty()) {
            QStringList details = kind.details.mid(0, MostDetails);
            if (kind.details.size() > MostDetails)
                details.append(u"\u2026"_s);
            message += u": "_s + details.join(u", "_s);
        }
        const int line = kind.lines.size() == 1 ? kind.lines.first() : 0;
        if (kind.lines.size() > 1) {
            QStringList lines;
            for (const int number : kind.lines.mid(0, MostDetails))
                lines.append(QString::number(number));
            if (kind.lines.size() > MostDetails)
                lines.append(u"\u2026"_s);
            message += ImportReport::tr(" (lines %1)").arg(lines.join(u", "_s));
        }
        const QList<Range> ranges = rangesOf(kind.segments);
        for (const Range &range : ranges) {
            ExchangeNote note{range.first, kind.row, line, message};
            note.lastSegment = range.last > range.first ? range.last : 0;
            note.changesPlay = kind.changesPlay;
            notes.append(note);
        }
    }
    // What changes the play first, then the widest.
    std::stable_sort(notes.begin(), notes.end(), [](const ExchangeNote &a, const ExchangeNote &b) {
        if (a.changesPlay != b.changesPlay)
            return a.changesPlay;
        const int widthA = std::max(a.lastSegment, a.segment) - a.segment;
        const int widthB = std::max(b.lastSegment, b.segment) - b.segment;
        return widthA > widthB;
    });
    if (notes.size() > most) {
        ExchangeNote rest = notes.at(most - 1);
        int first = rest.segment;
        int last = std::max(rest.lastSegment, rest.segment);
        QStringList kinds;
        for (qsizetype i = most - 1; i < notes.size(); ++i) {
            const ExchangeNote &note = notes.at(i);
            first = std::min(first, note.segment);
            last = std::max({last, note.lastSegment, note.segment});
            rest.changesPlay = rest.changesPlay || note.changesPlay;
            kinds.append(note.message);
        }
        kinds.removeDuplicates();
        rest.message = kinds.join(u"; "_s);
        rest.segment = first;
        rest.lastSegment = last > first ? last : 0;
        rest.row = 0;
        rest.line = 0;
        notes.resize(most - 1);
        notes.append(rest);
    }
    return notes;
}

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
#include <cmath>

using namespace Qt::Literals::StringLiterals;

namespace {
struct GlideAcrossTexts
{
    Q_DECLARE_TR_FUNCTIONS(GlideAcross)
};

const QuarterUnitList &freqQuarters()
{
    static const QuarterUnitList list(ValueLists::FreqList);
    return list;
}

double freqAt(int index)
{
    return *freqQuarters().at(index) / 4.0;
}

// TargetFreqList is FreqList behind its empty entry, with "1.50" for "1.5".
QString targetText(int freqIndex)
{
    return ValueLists::TargetFreqList.at(freqIndex + 1);
}
} // namespace

Glide currentGlide(const Session &session, int first, int last)
{
    const auto hertz = [&session](int column, int row) {
        return TextNumbers::tryDecimal(session.cells.cell(column, row));
    };
    const std::optional<double> from = hertz(first, StartFreqRow);
    std::optional<double> to = session.kind == DualBinauralSession ? std::nullopt : hertz(last, TargetFreqRow);
    if (!to)
        to = hertz(last, StartFreqRow);
    return {first, last, from.value_or(freqAt(0)), to.value_or(freqAt(0)), GlideSpacing::Linear};
}

int nearestFreqIndex(double hertz)
{
    return std::max(0, findNearestValue(std::nearbyint(hertz * 4.0), freqQuarters()).index);
}

QList<int> glidePoints(double from, double to, int steps, GlideSpacing spacing)
{
    const int first = nearestFreqIndex(from);
    const int last = nearestFreqIndex(to);
    const double a = freqAt(first);
    const double b = freqAt(last);
    QList<int> points{first};
    for (int i = 1; i < steps; ++i) {
        const double share = double(i) / steps;
        points << nearestFreqIndex(spacing == GlideSpacing::Ratio ? a * std::pow(b / a, share) : a + (b - a) * share);
    }
    if (steps > 0)
        points << last;
    return points;
}

bool glideAcross(const SessionContext &context, const Glide &glide)
{
    const int count = glide.lastColumn - glide.firstColumn + 1;
    if (count < 2) {
        context.prompter.error(glideNeedsTwoSegmentsMessage());
        return false;
    }
    SessionDocument &document = context.document;
    const bool dual = document.session().kind == DualBinauralSession;
    const QList<int> points = glidePoints(glide.from, glide.to, dual ? count - 1 : count, glide.spacing);
    const EditStep step{GlideAcrossTexts::tr("Glide Across Segments %1 to %2")
                            .arg(glide.firstColumn + 1)
                            .arg(glide.lastColumn + 1),
                        {glide.firstColumn, StartFreqRow}};
    document.edit(step, [&](Session &session) {
        for (int i = 0; i < count; ++i) {
            const int column = glide.firstColumn + i;
            session.cells.setCell(column, StartFreqRow, ValueLists::FreqList.at(points.at(i)));
            if (!dual)
                session.cells.setCell(column, TargetFreqRow, targetText(points.at(i + 1)));
        }
    });
    return true;
}

void startWhereGlideEnded(Session &session, int k)
{
    if (session.kind == DualBinauralSession)
        return;
    const QString target = session.cells.cell(k - 1, TargetFreqRow);
    if (target.isEmpty())
        return;
    const qsizetype index = ValueLists::TargetFreqList.indexOf(target);
    session.cells.setCell(k, StartFreqRow, index > 0 ? ValueLists::FreqList.at(index - 1) : target);
}

QString glideNeedsTwoSegmentsMessage()
{
    return GlideAcrossTexts::tr(GlideNeedsTwoSegmentsText);
}

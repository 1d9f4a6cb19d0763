#include "core/session/GlideAcross.h"

#include "core/graph/GraphFrequencies.h"
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

// The shares of the glide at which the segments first..last begin, and 1
// at the end of the last: each segment takes one equal step of the shape.
QList<double> boundaryShares(int first, int last)
{
    QList<double> shares;
    for (int column = first; column <= last + 1; ++column)
        shares << double(column - first) / (last + 1 - first);
    return shares;
}

// Sets one Freq row of a dual glide: the levels the segments reach. From
// where the first segment starts, that level is the glide's start.
void setDualLevels(Session &session, const Glide &glide, int row, double from, double to)
{
    // Without fromFirstStart the first segment holds `from` and the glide
    // runs over the segments after it.
    const int gliding = glide.fromFirstStart ? glide.firstColumn : glide.firstColumn + 1;
    const double start = glide.fromFirstStart ? dualStartHertz(session, glide.firstColumn, row) : from;
    const QList<int> points = glidePoints(start, to, boundaryShares(gliding, glide.lastColumn), glide.spacing);
    if (!glide.fromFirstStart)
        session.cells.setCell(glide.firstColumn, row, ValueLists::FreqList.at(points.first()));
    for (int column = gliding; column <= glide.lastColumn; ++column)
        session.cells.setCell(column, row, ValueLists::FreqList.at(points.at(column - gliding + 1)));
}
} // namespace

bool canGlideFromFirstStart(const Session &session, int first)
{
    return session.kind == DualBinauralSession && first > 0;
}

double dualStartHertz(const Session &session, int first, int row)
{
    const int from = canGlideFromFirstStart(session, first) ? first - 1 : first;
    return hertzOf(session.cells.cell(from, row));
}

Glide currentGlide(const Session &session, int first, int last)
{
    const auto hertz = [&session](int column, int row) {
        return TextNumbers::tryDecimal(session.cells.cell(column, row));
    };
    Glide glide{first, last};
    if (session.kind == DualBinauralSession) {
        glide.fromFirstStart = canGlideFromFirstStart(session, first);
        glide.from = glide.fromFirstStart ? dualStartHertz(session, first, Freq1Row) : hertz(first, Freq1Row).value_or(0);
        glide.to = hertz(last, Freq1Row).value_or(0);
        glide.from2 = glide.fromFirstStart ? dualStartHertz(session, first, Freq2Row) : hertz(first, Freq2Row).value_or(0);
        glide.to2 = hertz(last, Freq2Row).value_or(0);
        return glide;
    }
    const std::optional<double> from = hertz(first, StartFreqRow);
    std::optional<double> to = hertz(last, TargetFreqRow);
    if (!to)
        to = hertz(last, StartFreqRow);
    glide.from = from.value_or(freqAt(0));
    glide.to = to.value_or(freqAt(0));
    return glide;
}

int nearestFreqIndex(double hertz)
{
    return std::max(0, findNearestValue(std::nearbyint(hertz * 4.0), freqQuarters()).index);
}

double glideHertz(double from, double to, double share, GlideSpacing spacing)
{
    const double s = std::clamp(share, 0.0, 1.0);
    double part = s;
    switch (spacing) {
    case GlideSpacing::Linear:
        break;
    case GlideSpacing::Ratio:
        if (from > 0 && to > 0)
            return from * std::pow(to / from, s);
        break;
    case GlideSpacing::EaseIn:
        part = s * s;
        break;
    case GlideSpacing::EaseOut:
        part = 1 - (1 - s) * (1 - s);
        break;
    case GlideSpacing::SCurve:
        part = s * s * (3 - 2 * s);
        break;
    case GlideSpacing::Exponential: {
        // Closes 95 % of the way in the glide's time, scaled to arrive.
        constexpr double Rate = 3.0;
        part = (1 - std::exp(-Rate * s)) / (1 - std::exp(-Rate));
        break;
    }
    }
    return from + (to - from) * part;
}

QList<int> glidePoints(double from, double to, const QList<double> &shares, GlideSpacing spacing)
{
    const int first = nearestFreqIndex(from);
    const int last = nearestFreqIndex(to);
    QList<int> points;
    for (qsizetype i = 0; i < shares.size(); ++i) {
        if (i == 0 || i + 1 == shares.size())
            points << (i == 0 ? first : last);
        else
            points << nearestFreqIndex(glideHertz(freqAt(first), freqAt(last), shares.at(i), spacing));
    }
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
    const EditStep step{GlideAcrossTexts::tr("Glide Across Segments %1 to %2")
                            .arg(glide.firstColumn + 1)
                            .arg(glide.lastColumn + 1),
                        {glide.firstColumn, StartFreqRow}};
    document.edit(step, [&](Session &session) {
        if (dual) {
            if (glide.beats != GlideBeats::Freq2)
                setDualLevels(session, glide, Freq1Row, glide.from, glide.to);
            if (glide.beats != GlideBeats::Freq1)
                setDualLevels(session, glide, Freq2Row, glide.from2, glide.to2);
            for (int column = std::max(1, glide.firstColumn + (glide.fromFirstStart ? 0 : 1));
                 column <= glide.lastColumn; ++column)
                session.cells.setCell(column, DbbRampRow, u"ramp"_s);
            return;
        }
        const QList<int> points =
            glidePoints(glide.from, glide.to, boundaryShares(glide.firstColumn, glide.lastColumn), glide.spacing);
        for (int i = 0; i < count; ++i) {
            const int column = glide.firstColumn + i;
            session.cells.setCell(column, StartFreqRow, ValueLists::FreqList.at(points.at(i)));
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

#include "core/timeline/TimelineDrag.h"

#include "core/session/Prompter.h"
#include "core/session/Session.h"
#include "core/session/SessionDocument.h"
#include "core/session/ValueStepping.h"
#include "core/timeline/TimelineGeometry.h"
#include "core/timeline/TimelineLayout.h"
#include "core/timeline/TimelineReadout.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>

using namespace Qt::Literals::StringLiterals;

ValueMatch snapToList(const Session &session, const CellPos &cell, double number)
{
    const QString text = cell.row == TimeRow ? timelineTimeText(std::max(number, 1.0) / 2) : QString::number(number, 'f', 3);
    return matchValue(session, cell, text);
}

TimelineDrag::TimelineDrag(const Session &session, const TimelineLayout &layout, TimelineGrip grip)
    : mSession(session), mLayout(layout), mGrip(grip)
{
    mProposal = {session.cells.cell(grip.column, grip.row), {}};
}

bool TimelineDrag::moveTo(const TimelineGeometry &geometry, QPointF point, bool fine)
{
    const bool beat = mGrip.row == StartFreqRow || mGrip.row == TargetFreqRow;
    if (!fine || !beat || !mProposal.matched())
        mFineStart.reset();
    else if (!mFineStart)
        mFineStart.emplace(point.y(), mProposal.entry);
    if (mFineStart) {
        const QStringList list = workingList(mSession, {mGrip.column, mGrip.row});
        // The empty target stays out of a fine drag's reach.
        const qsizetype first = list.value(0).isEmpty() ? 1 : 0;
        const qsizetype steps = qsizetype(std::lround((mFineStart->first - point.y()) / FinePixels));
        const qsizetype index = std::clamp(list.indexOf(mFineStart->second) + steps, first, list.size() - 1);
        const bool changed = list.at(index) != mProposal.entry;
        mProposal = {list.at(index), {}};
        return changed;
    }
    const TimelinePass &pass = mLayout.passes()[size_t(mGrip.pass)];
    double number = 0;
    switch (mGrip.row) {
    case TimeRow:
        number = geometry.secondsAt(point.x()) * 2 - double(pass.start);
        break;
    case VolumeRow:
        number = geometry.volumeAt(point.y());
        break;
    case IntensityRow:
        number = geometry.intensityAt(point.y());
        break;
    default:
        number = geometry.beatAt(point.y());
        break;
    }
    ValueMatch proposal = snapToList(mSession, {mGrip.column, mGrip.row}, number);
    const bool changed = proposal.entry != mProposal.entry || proposal.problem != mProposal.problem;
    mProposal = std::move(proposal);
    return changed;
}

QString TimelineDrag::valueText() const
{
    if (!mProposal.matched())
        return mProposal.problem;
    if (mGrip.row == StartFreqRow || mGrip.row == TargetFreqRow)
        return QCoreApplication::translate("Timeline", "%1 Hz").arg(mProposal.entry);
    return mProposal.entry;
}

bool TimelineDrag::changes() const
{
    return mProposal.matched() && mProposal.entry != mSession.cells.cell(mGrip.column, mGrip.row);
}

void TimelineDrag::finish(SessionDocument &document, Prompter &prompter) const
{
    if (!mProposal.matched()) {
        prompter.error(mProposal.problem);
        return;
    }
    if (!changes())
        return;
    const CellRange cell{mGrip.column, mGrip.row, mGrip.column, mGrip.row};
    const QString verb = QCoreApplication::translate("Timeline", "Drag", "the undo step of a drag on the timeline");
    document.edit(rangeEditStep(verb, document.session().kind, cell),
                  [&](Session &session) { session.cells.setCell(mGrip.column, mGrip.row, mProposal.entry); });
}

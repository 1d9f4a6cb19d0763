#include "session/NewSession.h"

#include "session/Session.h"
#include "session/SessionContext.h"
#include "session/SessionView.h"
#include "session/TimingSummary.h"

using namespace Qt::Literals::StringLiterals;

SessionGrid::Column newSessionColumn(SessionKind kind)
{
    if (kind == DualBinauralSession) {
        return {u"1"_s,  u"1:00.0"_s, u"dbb"_s,  u"7.83"_s, u"240"_s,  u"15.0"_s, u"480"_s, u"IRH"_s,
                u"50"_s, u"100"_s,    u"100"_s,  u"none"_s, u"jump"_s, u"0"_s,    u"0"_s};
    }
    return {u"1"_s,  u"1:00.0"_s, u"PFr"_s, u"7.83"_s, u"240"_s, QString(), QString(), u"IN"_s,
            u"50"_s, u"100"_s,    u"100"_s, u"none"_s, QString(), u"0"_s,   u"0"_s};
}

void fillNewSegment(Session &session, int k)
{
    SessionGrid::Column column = session.cells.column(k - 1);
    column[SegmentNumberRow] = QString::number(k + 1);
    column[VIRampRow] = u"none"_s;
    column[DbbRampRow] = session.kind == DualBinauralSession ? u"ramp"_s : QString();
    column[LoopSegsRow] = u"0"_s;
    column[LoopTimesRow] = u"0"_s;
    session.cells.setColumn(k, column);
    session.modified = 1;
}

void newSession(const SessionContext &context)
{
    Session &session = context.session;
    session.name = u"unnamed"_s;
    session.fileName.clear();
    session.descriptionLines.clear();
    context.view.setCaption(sessionCaption(session.name, true));
    session.cells.setColumnCount(1);
    session.kind = context.view.askSessionKind();
    session.cells.setColumn(0, newSessionColumn(session.kind));
    context.view.cellsChanged();
    context.view.setSessionShown(true);
    context.view.selectCell({0, TimeRow});
    session.modified = 1;
    updateTimingSummary(session.cells, context.view, 1);
}

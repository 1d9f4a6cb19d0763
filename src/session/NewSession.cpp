#include "session/NewSession.h"

#include "session/Session.h"
#include "session/SessionContext.h"
#include "session/SessionView.h"
#include "session/TimingSummary.h"

using namespace Qt::Literals::StringLiterals;

SessionGrid::Column NewSessionColumn(int dualSession)
{
    if (dualSession == DualBinauralSession) {
        return {u"1"_s,  u"1:00.0"_s, u"dbb"_s,  u"7.83"_s, u"240"_s,  u"15.0"_s, u"480"_s, u"IRH"_s,
                u"50"_s, u"100"_s,    u"100"_s,  u"none"_s, u"jump"_s, u"0"_s,    u"0"_s};
    }
    return {u"1"_s,  u"1:00.0"_s, u"PFr"_s, u"7.83"_s, u"240"_s, QString(), QString(), u"IN"_s,
            u"50"_s, u"100"_s,    u"100"_s, u"none"_s, QString(), u"0"_s,   u"0"_s};
}

void FillNewSegment(Session &session, int k)
{
    SessionGrid::Column column = session.cells.column(k - 1);
    column[0] = QString::number(k + 1);
    column[11] = u"none"_s;
    column[12] = session.DualSession == DualBinauralSession ? u"ramp"_s : QString();
    column[13] = u"0"_s;
    column[14] = u"0"_s;
    session.cells.setColumn(k, column);
    session.SessionModified = 1;
}

void NewSession(const SessionContext &context)
{
    Session &session = context.session;
    session.SessionName = u"unnamed"_s;
    session.SessionFileName.clear();
    session.DescriptionLines.clear();
    context.view.setCaption(SessionCaption(session.SessionName, true));
    session.cells.setColumnCount(1);
    session.DualSession = context.view.askSessionKind() == PulsedSession ? PulsedSession : DualBinauralSession;
    session.cells.setColumn(0, NewSessionColumn(session.DualSession));
    context.view.cellsChanged();
    context.view.setSessionShown(true);
    const CellPos first{0, 1};
    session.CurrentCell = first;
    context.view.selectCell(first);
    session.SessionModified = 1;
    UpdateTimingSummary(session, context.view, 1);
}

#include "core/session/NewSession.h"

#include "core/session/Session.h"
#include "core/session/SessionContext.h"
#include "core/session/Prompter.h"
#include "core/session/SessionDialogs.h"
#include "core/session/SessionDocument.h"

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
}

QString newSessionName()
{
    return u"unnamed"_s;
}

Session defaultSession(SessionKind kind)
{
    Session session;
    session.name = newSessionName();
    session.kind = kind;
    session.cells.setColumn(0, newSessionColumn(kind));
    return session;
}

void newSession(const SessionContext &context)
{
    // The old session's segments go before the kind is asked: the grid
    // shows no more than one meanwhile.
    context.document.edit({}, [](Session &old) { old.cells.setColumnCount(1); });
    context.document.replace(defaultSession(context.dialogs.askSessionKind()), true);
}

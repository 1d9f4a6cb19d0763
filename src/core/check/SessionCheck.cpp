#include "core/check/SessionCheck.h"

#include "core/check/SessionChecker.h"

#include <QStringList>

using namespace Qt::Literals::StringLiterals;

QList<SessionProblem> checkSession(const Session &session, const DeviceInfo *device)
{
    return SessionChecker().check(session, device);
}

QString problemSummary(const QList<SessionProblem> &problems)
{
    qsizetype errors = 0;
    qsizetype warnings = 0;
    for (const SessionProblem &problem : problems) {
        errors += problem.severity == SessionProblem::Error ? 1 : 0;
        warnings += problem.severity == SessionProblem::Warning ? 1 : 0;
    }
    if (errors == 0 && warnings == 0)
        return u"No problems"_s;
    QStringList parts;
    if (errors > 0)
        parts.append(errors == 1 ? u"1 error"_s : u"%1 errors"_s.arg(errors));
    if (warnings > 0)
        parts.append(warnings == 1 ? u"1 warning"_s : u"%1 warnings"_s.arg(warnings));
    return parts.join(u", "_s);
}

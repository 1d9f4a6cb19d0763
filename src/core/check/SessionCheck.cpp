#include "core/check/SessionCheck.h"

#include "core/check/SessionChecker.h"

#include <QCoreApplication>
#include <QStringList>

using namespace Qt::Literals::StringLiterals;

namespace {
struct SessionCheckTexts
{
    Q_DECLARE_TR_FUNCTIONS(SessionCheck)
};
} // namespace

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
        return SessionCheckTexts::tr("No problems");
    QStringList parts;
    if (errors > 0)
        parts.append(errors == 1 ? SessionCheckTexts::tr("1 error") : SessionCheckTexts::tr("%1 errors").arg(errors));
    if (warnings > 0)
        parts.append(warnings == 1 ? SessionCheckTexts::tr("1 warning") : SessionCheckTexts::tr("%1 warnings").arg(warnings));
    return parts.join(u", "_s);
}

#pragma once

#include "core/check/FlashRateCheck.h"
#include "core/check/SessionCheck.h"
#include "core/session/FollowedColumns.h"
#include "core/session/SessionKind.h"

#include <QList>
#include <vector>

// checkSession() for a session checked after each of its changes: the
// findings of each column are kept beside it and worked out again only for
// the columns an edit touched, so that a check after an edit costs little
// more than the edit. The findings and their order are checkSession()'s.
class SessionChecker
{
public:
    QList<SessionProblem> check(const Session &session, const DeviceInfo *device = nullptr);

private:
    // The encoder's findings in one column, their segment the column's place
    // when they were made, and whether the device plays a sound and a light
    // there.
    struct ColumnFindings
    {
        QList<SessionProblem> problems;
        bool sounds = false;
        bool lights = false;
    };

    SessionKind mKind = PulsedSession;
    FollowedColumns<ColumnFindings> mColumns;
    std::vector<int> mNextLoopStart;
    FlashRateCheck mFlashRates;
};

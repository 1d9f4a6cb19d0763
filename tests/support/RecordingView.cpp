#include "RecordingView.h"

#include <gtest/gtest.h>

int RecordingView::askSessionKind()
{
    if (sessionKinds.empty()) {
        ADD_FAILURE() << "unscripted New Session Type dialog";
        return PulsedSession;
    }
    const int kind = sessionKinds.front();
    sessionKinds.pop_front();
    return kind;
}

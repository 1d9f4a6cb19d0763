#include "TestSupport.h"

#include "core/session/RowDescriptions.h"
#include "core/session/Session.h"
#include "core/session/ValueStepping.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

// Every row's tooltip names the two ends of the values it steps through.
TEST(RowDescriptions, NameTheEndsOfEachSteppedRow)
{
    for (const SessionKind kind : {PulsedSession, DualBinauralSession}) {
        Session session = sessionWithTimes(kind, {"1:00.0", "1:00.0"});
        session.cells.setCell(1, ToneRow, kind == PulsedSession ? u"PCh"_s : u"dbb"_s);
        EXPECT_TRUE(rowDescription(kind, SegmentNumberRow).isEmpty());
        EXPECT_TRUE(rowDescription(kind, SessionGrid::RowCount).isEmpty());
        for (int row = TimeRow; row < SessionGrid::RowCount; ++row) {
            SCOPED_TRACE(testing::Message() << "kind " << kind << " row " << row);
            const QString text = rowDescription(kind, row);
            EXPECT_FALSE(text.isEmpty());
            QStringList values = workingList(session, {1, row});
            values.removeAll(QString());
            if (values.isEmpty())
                continue;
            EXPECT_TRUE(text.contains(values.first())) << text;
            EXPECT_TRUE(text.contains(values.last())) << text;
            EXPECT_TRUE(text.contains(u"Up(+)"_s)) << text;
        }
    }
}

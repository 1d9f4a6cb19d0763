// The grid model moves its columns as the document says segments came or
// went, so that what the view keeps (the current cell, a selection) stays on
// its segment.
#include "DefaultSegments.h"

#include "app/SessionGridModel.h"
#include "core/session/SessionDocument.h"

#include <QPersistentModelIndex>
#include <QSignalSpy>
#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

TEST(SessionGridModel, SegmentsInsertedOrRemovedMoveTheColumnsAtTheirPlace)
{
    const struct
    {
        const char *what;
        std::function<void(SessionGrid &)> change;
        int inserted; // columns the view heard inserted at 1, or removed there when negative
        int keptColumn; // where the segment that stood at column 2 is now
    } cases[] = {
        {"one inserted before",
         [](SessionGrid &cells) {
             cells.shiftRightFrom(1);
             cells.setCell(1, VolumeRow, u"10"_s);
         },
         1, 3},
        {"one removed before", [](SessionGrid &cells) { cells.shiftLeftOnto(1); }, -1, 1},
        {"one added at the end", [](SessionGrid &cells) { cells.setColumnCount(5); }, 0, 2},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        Session session = sessionOfDefaultSegments(PulsedSession, 4);
        session.cells.setCell(2, VolumeRow, u"55"_s);
        SessionDocument document(session);
        SessionGridModel model(document);
        QSignalSpy inserted(&model, &QAbstractItemModel::columnsInserted);
        QSignalSpy removed(&model, &QAbstractItemModel::columnsRemoved);
        const QPersistentModelIndex kept = model.index(VolumeRow, 2);
        document.edit({u"Change"_s}, [&](Session &s) { c.change(s.cells); });
        EXPECT_EQ(kept.column(), c.keptColumn);
        EXPECT_EQ(kept.data().toString(), u"55"_s);
        EXPECT_EQ(model.columnCount(), document.cells().columnCount());
        QSignalSpy &heard = c.inserted < 0 ? removed : inserted;
        if (c.inserted != 0) {
            ASSERT_EQ(heard.count(), 1);
            EXPECT_EQ(heard.first().value(1).toInt(), 1);
            EXPECT_EQ(heard.first().value(2).toInt(), 1);
        }
    }
}

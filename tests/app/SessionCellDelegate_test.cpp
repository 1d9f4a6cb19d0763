#include "DefaultSegments.h"
#include "TestSupport.h"

#include "app/SessionCellDelegate.h"
#include "app/SessionGridModel.h"
#include "core/session/SessionDocument.h"

#include <QApplication>
#include <QHeaderView>
#include <QImage>
#include <QTableView>
#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {
int darkPixels(const QImage &image, const QRect &area)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x)
            count += qGray(image.pixel(x, y)) < 100 ? 1 : 0;
    }
    return count;
}

// Texts show in every cell that has one, the selection in the highlight
// colour, the segment numbers on the fixed row's background; a text wider
// than its cell stays inside it.
TEST(SessionCellDelegate, PaintsTextsSelectionAndFixedRow)
{
    Session session = sessionOfDefaultSegments(PulsedSession, 3);
    session.cells.setCell(1, 7, u"a text much wider than a cell"_s);
    session.cells.setCell(2, 7, QString());
    const SessionDocument document(session);
    SessionGridModel model(document);
    QTableView view;
    view.setModel(&model);
    view.setItemDelegate(new SessionCellDelegate(&view));
    view.horizontalHeader()->hide();
    view.verticalHeader()->hide();
    view.setShowGrid(false);
    view.horizontalHeader()->setDefaultSectionSize(61);
    view.resize(61 * 3 + 20, 22 * 15 + 20);
    view.selectionModel()->select(model.index(StartFreqRow, 2), QItemSelectionModel::Select);
    const QImage image = view.viewport()->grab().toImage();
    const auto cellRect = [&](int row, int column) { return view.visualRect(model.index(row, column)); };

    EXPECT_GT(darkPixels(image, cellRect(TimeRow, 0)), 10);         // "1:00.0"
    EXPECT_EQ(darkPixels(image, cellRect(TargetFreqRow, 0)), 0);    // empty target
    EXPECT_GT(darkPixels(image, cellRect(SegmentNumberRow, 1)), 3); // segment number 2
    EXPECT_EQ(image.pixel(cellRect(SegmentNumberRow, 1).topLeft() + QPoint(1, 1)),
              QGuiApplication::palette().color(QPalette::Button).rgb());
    const QRect selected = cellRect(StartFreqRow, 2);
    EXPECT_EQ(image.pixel(selected.topLeft() + QPoint(1, 1)), view.palette().color(QPalette::Highlight).rgb());
    // Nothing of the wide text spills into segment 3's Phase cell.
    EXPECT_GT(darkPixels(image, cellRect(PhaseRow, 1)), 10);
    EXPECT_EQ(darkPixels(image, cellRect(PhaseRow, 2)), 0);
}
} // namespace

// The loss report: one line per row (export) or per source line (import),
// the segments each concerns, opened to one line per segment.
#include "app/dialogs/LossReportDialog.h"
#include "core/session/Session.h"

#include <QTreeWidget>
#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {
QStringList lines(const QTreeWidget &list)
{
    QStringList texts;
    for (int i = 0; i < list.topLevelItemCount(); ++i) {
        const QTreeWidgetItem *item = list.topLevelItem(i);
        texts.append(item->text(0) + u" | "_s + item->text(1));
        for (int j = 0; j < item->childCount(); ++j)
            texts.append(u"  "_s + item->child(j)->text(0) + u" | "_s + item->child(j)->text(1));
    }
    return texts;
}
} // namespace

TEST(LossReportDialog, SegmentRangesJoinNeighbours)
{
    const struct {
        QList<int> segments;
        QString text;
    } cases[] = {
        {{}, QString()}, {{5}, u"5"_s}, {{1, 2, 3, 7}, u"1\u20133, 7"_s}, {{3, 1, 2, 2, 9, 10}, u"1\u20133, 9\u201310"_s}};
    for (const auto &c : cases)
        EXPECT_EQ(segmentRangesText(c.segments), c.text);
}

TEST(LossReportDialog, GroupsByRowOrBySourceLine)
{
    const QList<ExchangeNote> notes = {{1, IntensityRow, 0, u"light intensity 85"_s},
                                       {2, PhaseRow, 0, u"light phase RL"_s},
                                       {2, IntensityRow, 0, u"light intensity 100"_s},
                                       {0, 0, 1, u"mix input left out"_s},
                                       {3, 0, 2, u"pink noise left out"_s}};
    const LossReportDialog byRow(u"Export"_s, u"lost:"_s, u"&Export"_s, notes.mid(0, 3), LossReportDialog::ByRow,
                                 rowLabels(PulsedSession));
    EXPECT_EQ(lines(*byRow.list()),
              (QStringList{u"Phase | 2"_s, u"  Segment 2 | light phase RL"_s, u"Intensity | 1\u20132"_s,
                           u"  Segment 1 | light intensity 85"_s, u"  Segment 2 | light intensity 100"_s}));
    const LossReportDialog byLine(u"Import"_s, u"left out:"_s, u"&Import"_s, notes.mid(3),
                                  LossReportDialog::BySourceLine, rowLabels(PulsedSession));
    EXPECT_EQ(lines(*byLine.list()),
              (QStringList{u"Line 1 | "_s, u"  Session | mix input left out"_s, u"Line 2 | 3"_s,
                           u"  Segment 3 | pink noise left out"_s}));
}

TEST(LossReportDialog, AnImportListsItsChangesInTheirOrderWithTheirSegments)
{
    ExchangeNote silent{4, 0, 0, u"only sounds a session cannot play (noise, mix, bells): silent"_s};
    silent.lastSegment = 9;
    silent.changesPlay = true;
    const QList<ExchangeNote> notes = {silent, {0, 0, 1, u"mix input left out"_s}, {3, 4, 2, u"pitch rounded to the list: 198 \u2192 192"_s}};
    const LossReportDialog byChange(u"Import"_s, u"left out:"_s, u"&Import"_s, notes, LossReportDialog::ByChange,
                                    rowLabels(PulsedSession));
    EXPECT_EQ(lines(*byChange.list()),
              (QStringList{u"4\u20139 | only sounds a session cannot play (noise, mix, bells): silent"_s,
                           u"Session | line 1: mix input left out"_s, u"3 | line 2: pitch rounded to the list: 198 \u2192 192"_s}));
    EXPECT_TRUE(byChange.list()->topLevelItem(0)->font(1).bold());
    EXPECT_FALSE(byChange.list()->topLevelItem(1)->font(1).bold());
}

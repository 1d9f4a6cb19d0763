#include "ScriptedPrompter.h"

#include "core/session/NearestValueIndex.h"
#include "core/session/QuarterUnitList.h"
#include "core/session/ValueLists.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;
using namespace ValueLists;

// Lookups in a list read beforehand must give exactly what the lookup in the
// list of texts gives, messages included.
TEST(QuarterUnitList, LookupsMatchTheLookupInTheTexts)
{
    QStringList texts = {QString(), u"abc"_s, u"7.7"_s, u"1.5"_s, u"-3"_s, u"1e2"_s, u" 4"_s};
    for (int eighths = -80; eighths <= 2700 * 8; eighths += 3)
        texts.append(QString::number(eighths / 8.0));
    const QStringList badEntry = {u"1"_s, u"x"_s, u"3"_s};
    const QStringList repeatedEntry = {u"1"_s, u"2"_s, u"2.01"_s, u"9"_s};
    const QStringList descending = {u"9"_s, u"4"_s, u"1"_s};
    for (const QStringList *list : {&HalfSecondList, &FreqList, &TargetFreqList, &PitchList, &DutyList,
                                    &LevelList, &ChordList, &badEntry, &repeatedEntry, &descending}) {
        const QuarterUnitList readOnce(*list);
        ASSERT_EQ(readOnce.size(), list->size());
        for (const QString &text : texts) {
            ScriptedPrompter fromTexts;
            ScriptedPrompter fromNumbers;
            EXPECT_EQ(nearestValueIndex(text, readOnce, fromNumbers), nearestValueIndex(text, *list, fromTexts))
                << text.toStdString() << " in " << list->join(u' ').toStdString();
            EXPECT_EQ(fromNumbers.log, fromTexts.log);
        }
    }
}

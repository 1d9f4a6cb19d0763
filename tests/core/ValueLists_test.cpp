#include "TestSupport.h"
#include "core/session/ConversionError.h"
#include "core/session/TextNumbers.h"
#include "core/session/ValueLists.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;
using namespace ValueLists;

namespace {
struct ListCase
{
    const char *name;
    const QStringList *list;
    int size;
    const char *first;
    const char *last;
};

const ListCase listCases[] = {
    {"TimeList", &TimeList, 32, "0:00.5", "10:00.0"},
    {"HalfSecondList", &HalfSecondList, 32, "1", "1200"},
    {"FreqList", &FreqList, 46, "0.25", "42.0"},
    {"TargetFreqList", &TargetFreqList, 47, "", "42.0"},
    {"PitchList", &PitchList, 42, "16", "960"},
    {"Pitch2List", &Pitch2List, 72, "16", "r15"},
    {"ChordList", &ChordList, 9, "1", "9"},
    {"PulsedToneList", &PulsedToneList, 4, "PFr", "bb"},
    {"DualToneList", &DualToneList, 3, "bbS", "dSb"},
    {"ToneCodeList", &ToneCodeList, 9, "PFr", "bbP"},
    {"PulsedPhaseList", &PulsedPhaseList, 6, "IN", "LA"},
    {"DualPhaseList", &DualPhaseList, 8, "IRH", "OLL"},
    {"DutyList", &DutyList, 7, "12", "87"},
    {"LevelList", &LevelList, 8, "0", "100"},
    {"VIRampList", &VIRampList, 2, "none", "seg"},
    {"DbbRampList", &DbbRampList, 2, "jump", "ramp"},
};
} // namespace

TEST(ValueLists, SizesAndEnds)
{
    for (const ListCase &c : listCases) {
        SCOPED_TRACE(c.name);
        ASSERT_EQ(c.list->size(), c.size);
        EXPECT_EQ(c.list->first(), QString::fromLatin1(c.first));
        EXPECT_EQ(c.list->last(), QString::fromLatin1(c.last));
    }
}

TEST(ValueLists, TextsThatDifferBetweenTwinLists)
{
    EXPECT_EQ(PitchList.at(17), u"85"_s);
    EXPECT_EQ(Pitch2List.at(17), u"86"_s);
    EXPECT_EQ(FreqList.at(5), u"1.5"_s);
    EXPECT_EQ(TargetFreqList.at(6), u"1.50"_s);
    for (int i = 0; i < PitchList.size(); ++i) {
        if (i != 17) {
            EXPECT_EQ(Pitch2List.at(i), PitchList.at(i)) << i;
        }
    }
    for (int i = 0; i < FreqList.size(); ++i) {
        if (i != 5) {
            EXPECT_EQ(TargetFreqList.at(i + 1), FreqList.at(i)) << i;
        }
    }
}

TEST(ValueLists, RelativePitchesFollowThePitches)
{
    EXPECT_EQ(Pitch2List.at(42), u"r-15"_s);
    EXPECT_EQ(Pitch2List.at(56), u"r-1"_s);
    EXPECT_EQ(Pitch2List.at(57), u"r1"_s);
    EXPECT_EQ(Pitch2List.indexOf(u"r0"_s), -1);
}

TEST(ValueLists, HalfSecondListPairsWithTimeList)
{
    for (int i = 0; i < TimeList.size(); ++i)
        EXPECT_EQ(QString::number(TextNumbers::halfSecondsOfTime(TimeList.at(i))), HalfSecondList.at(i)) << i;
}

TEST(ValueLists, TimesBeyondThirtyTwoBitsWrapAndBadPartsRaise)
{
    const struct
    {
        const char *time;
        int halfSeconds;
        const char *error;
    } cases[] = {
        {"17895697:03.5", 2147483647, nullptr},
        {"17895697:04.0", -2147483647 - 1, nullptr},
        {"99999999:00.0", -884902008, nullptr},
        {"2147483647:59.5", -1, nullptr},
        {"-17895697:-04.5", -2147483647, nullptr},
        {"2147483648:00.0", 0, "'2147483648' is not a valid integer value"},
        {"x:y.0", 0, "'x' is not a valid integer value"},
        {"1:y.0", 0, "'y' is not a valid integer value"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.time);
        try {
            EXPECT_EQ(TextNumbers::halfSecondsOfTime(QString::fromLatin1(c.time)), c.halfSeconds);
            EXPECT_EQ(c.error, nullptr);
        } catch (const ConversionError &e) {
            EXPECT_EQ(e.message(), QString::fromLatin1(c.error ? c.error : ""));
        }
    }
}

TEST(ValueLists, NumericListsAscend)
{
    for (const QStringList *list : {&HalfSecondList, &FreqList, &PitchList, &DutyList, &LevelList}) {
        for (int i = 1; i < list->size(); ++i)
            EXPECT_LT(*TextNumbers::tryDecimal(list->at(i - 1)), *TextNumbers::tryDecimal(list->at(i)))
                << list->at(i).toStdString();
    }
}

TEST(ValueLists, DualTonesAreExactlyTheDualToneList)
{
    for (const QString &tone : ToneCodeList)
        EXPECT_EQ(isDualTone(tone), DualToneList.contains(tone)) << tone;
    EXPECT_FALSE(isDualTone(u"DBB"_s));
}

#include "ScriptedPrompter.h"
#include "TestSupport.h"
#include "core/session/NearestValueIndex.h"
#include "core/session/ValueLists.h"

#include <QLocale>
#include <clocale>
#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;
using namespace ValueLists;

namespace {
struct LookupCase
{
    const char *text;
    const QStringList *list;
    int expected;
    const char *why;
};

const LookupCase lookupCases[] = {
    {"7.7", &FreqList, 19, "30.8 quarters round to 31, as 7.83 does"},
    {"7.83", &FreqList, 19, "exact entry"},
    {"3", &HalfSecondList, 1, "tie between 2 and 4: the earlier entry wins"},
    {"100", &FreqList, 45, "beyond the end: last entry"},
    {"0", &FreqList, 0, "below the start: first entry"},
    {"1.125", &FreqList, 3, "4.5 quarters round half to even: 4 = 1.0"},
    {"1.375", &FreqList, 5, "5.5 quarters round to 6 = 1.5"},
    {"45", &DutyList, 3, "duty 45 snaps to 50"},
    {"181", &HalfSecondList, 15, "1:30.5 snaps to 1:30.0"},
    {"195", &HalfSecondList, 15, "1:37.5 ties between 180 and 210"},
    {"0", &HalfSecondList, 0, "0:00.0 becomes 0:00.5"},
    {"1440", &HalfSecondList, 31, "12:00.0 becomes 10:00.0"},
    {"2600", &HalfSecondList, -1, "10396 quarters from the first entry"},
    {"2512", &DutyList, -1, "10000 quarters exactly is too far"},
    {"2511", &DutyList, 6, "just inside the reach"},
    {"-2488", &DutyList, -1, "as far below"},
    {" 50", &DutyList, 3, "surrounding blanks are allowed"},
    {"5e1", &DutyList, 3, "exponent form"},
};
} // namespace

TEST(NearestValueIndex, FindsTheNearestEntry)
{
    for (const LookupCase &c : lookupCases) {
        ScriptedPrompter prompter;
        EXPECT_EQ(nearestValueIndex(QString::fromLatin1(c.text), *c.list, prompter), c.expected)
            << c.text << ": " << c.why;
        EXPECT_TRUE(prompter.log.isEmpty()) << c.text;
    }
}

TEST(NearestValueIndex, TextThatIsNotANumberReportsAndGivesZero)
{
    for (const char *text : {"", "abc", "1,5", "7.8.3", "nan", "inf"}) {
        ScriptedPrompter prompter;
        EXPECT_EQ(nearestValueIndex(QString::fromLatin1(text), DutyList, prompter), 0) << text;
        EXPECT_EQ(prompter.errors, QStringList{u"Float convert error on "_s + QString::fromLatin1(text)});
    }
}

TEST(NearestValueIndex, EntryThatIsNotANumberStopsAtIt)
{
    ScriptedPrompter prompter;
    const QStringList list = {u"1"_s, u"2"_s, u"x"_s, u"4"_s};
    EXPECT_EQ(nearestValueIndex(u"4"_s, list, prompter), 2);
    EXPECT_EQ(prompter.errors, QStringList{u"Float convert error on 4"_s});
}

TEST(NearestValueIndex, EmptyListGivesZero)
{
    ScriptedPrompter prompter;
    EXPECT_EQ(nearestValueIndex(u"3"_s, QStringList(), prompter), 0);
}

TEST(NearestValueIndex, DecimalPointWhateverTheLocale)
{
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const char *previousNumeric = std::setlocale(LC_NUMERIC, nullptr);
    const std::string savedNumeric = previousNumeric ? previousNumeric : "C";
    std::setlocale(LC_NUMERIC, "de_DE.UTF-8");

    ScriptedPrompter prompter;
    EXPECT_EQ(nearestValueIndex(u"7.7"_s, FreqList, prompter), 19);
    EXPECT_EQ(nearestValueIndex(u"7,7"_s, FreqList, prompter), 0);
    EXPECT_EQ(prompter.errors.size(), 1);

    std::setlocale(LC_NUMERIC, savedNumeric.c_str());
    QLocale::setDefault(previous);
}

// Cells read from a file share the value lists' texts where they hold one.
#include "core/session/ValueLists.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

TEST(SharedText, ListEntriesAreSharedAndOtherTextsCopied)
{
    const struct
    {
        QString text;
        const QString *entry; // the entry shared, or none
    } cases[] = {
        {u"7.83"_s, &ValueLists::FreqList.at(19)},
        {u"1:00.0"_s, &ValueLists::TimeList.at(13)},
        {u"r-15"_s, &ValueLists::Pitch2List.at(42)},
        {u"15"_s, nullptr}, // a loop count
        {u"7.830"_s, nullptr},
        {u"PSU"_s, nullptr},
        {QString(), nullptr},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        const QString shared = ValueLists::sharedText(c.text);
        EXPECT_EQ(shared, c.text);
        EXPECT_EQ(shared.isNull(), c.text.isNull());
        if (c.entry) {
            EXPECT_EQ(shared.constData(), c.entry->constData());
        }
    }
}

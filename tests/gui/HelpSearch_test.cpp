#include "TestSupport.h"

#include "gui/help/HelpSearch.h"
#include "core/help/HelpTopics.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {
QStringList topics(const QList<HelpSearch::Hit> &hits)
{
    QStringList found;
    for (const HelpSearch::Hit &hit : hits)
        found.append(hit.topic);
    return found;
}
} // namespace

// Searches the help pages that travel with the program.
TEST(HelpSearch, FindsPagesHoldingEveryWordInAnyCase)
{
    const HelpSearch search(HelpTopics::helpFolder());
    const QList<HelpSearch::Hit> loops = search.find(u"LOOP times"_s);
    ASSERT_FALSE(loops.isEmpty());
    EXPECT_EQ(loops.first().topic, u"Loops"_s);
    EXPECT_EQ(loops.first().title, u"Loops"_s);
    EXPECT_TRUE(loops.first().excerpt.contains(u"loop"_s, Qt::CaseInsensitive)) << loops.first().excerpt;
    for (qsizetype i = 1; i < loops.size(); ++i)
        EXPECT_GE(loops.at(i - 1).count, loops.at(i).count);

    // Every word must be on the page: adding one narrows the hits.
    const QStringList some = topics(search.find(u"loop"_s));
    const QStringList fewer = topics(search.find(u"loop baud"_s));
    EXPECT_LT(fewer.size(), some.size());
    for (const QString &topic : fewer)
        EXPECT_TRUE(some.contains(topic)) << topic;

    EXPECT_TRUE(search.find(u"   "_s).isEmpty());
    EXPECT_TRUE(search.find(u"zqxwvk"_s).isEmpty());
}

// The words a user looks for first lead to the page that explains them.
TEST(HelpSearch, FindsThePagesOfTheNewerFeatures)
{
    struct Case
    {
        const char *word;
        const char *topic;
    };
    const Case cases[] = {
        {"undo", "Undo_and_recovery"},
        {"recovery", "Undo_and_recovery"},
        {"export", "What_the_preview_plays"},
        {"check", "Checking_a_session"},
    };
    const HelpSearch search(HelpTopics::helpFolder());
    for (const Case &c : cases)
        EXPECT_TRUE(topics(search.find(QString::fromLatin1(c.word))).contains(QString::fromLatin1(c.topic))) << c.word;
}

#include "core/files/RecentFiles.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {
QStringList numbered(int count)
{
    QStringList paths;
    for (int i = 1; i <= count; ++i)
        paths << u"/s/%1.LSS"_s.arg(i);
    return paths;
}
} // namespace

TEST(RecentFiles, keepsTheNewestEightOnceEach)
{
    struct Case
    {
        QStringList stored;
        QString added;
        QStringList expected;
    };
    const Case cases[] = {
        {{}, u"/s/a.LSS"_s, {u"/s/a.LSS"_s}},
        {{u"/s/a.LSS"_s, u"/s/b.LSS"_s}, u"/s/b.LSS"_s, {u"/s/b.LSS"_s, u"/s/a.LSS"_s}},
        {numbered(8), u"/s/9.LSS"_s, QStringList{u"/s/9.LSS"_s} + numbered(7)},
        {numbered(12), u"/s/3.LSS"_s, QStringList{u"/s/3.LSS"_s, u"/s/1.LSS"_s, u"/s/2.LSS"_s} + numbered(8).mid(3)},
        {{u"/s/a.LSS"_s, QString(), u"/s/a.LSS"_s, u"/s/A.LSS"_s}, u"/s/c.LSS"_s,
         {u"/s/c.LSS"_s, u"/s/a.LSS"_s, u"/s/A.LSS"_s}},
    };
    for (const Case &c : cases) {
        RecentFiles recent(c.stored);
        recent.add(c.added);
        EXPECT_EQ(recent.paths(), c.expected) << c.stored.join(u',').toStdString();
    }
}

TEST(RecentFiles, removesAVanishedFile)
{
    RecentFiles recent(numbered(3));
    recent.remove(u"/s/2.LSS"_s);
    EXPECT_EQ(recent.paths(), (QStringList{u"/s/1.LSS"_s, u"/s/3.LSS"_s}));
}

TEST(RecentFiles, namesFilesByNameUnlessTwoShareIt)
{
    const RecentFiles recent({u"/a/one.LSS"_s, u"/b/R&B.LSS"_s, u"/c/one.LSS"_s});
    EXPECT_EQ(recent.menuText(0), u"&1 /a/one.LSS"_s);
    EXPECT_EQ(recent.menuText(1), u"&2 R&&B.LSS"_s);
    EXPECT_EQ(recent.menuText(2), u"&3 /c/one.LSS"_s);
}

#include "ListingHeaders.h"
#include "TestSupport.h"

#include "core/session/NewSession.h"
#include "core/listing/SessionListing.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

SessionGrid::Column columnOf(std::initializer_list<const char *> rows)
{
    SessionGrid::Column cells;
    int row = 0;
    for (const char *text : rows)
        cells[size_t(row++)] = QString::fromLatin1(text);
    return cells;
}

struct SegmentLineCase
{
    const char *name;
    int column;                // position of the segment in the session
    SessionGrid::Column cells; // rows 0 to 14 (row 0 is not printed from the cell)
    const char *expected;
};

class SegmentLineTest : public testing::TestWithParam<SegmentLineCase>
{
};

TEST_P(SegmentLineTest, FieldsAreRightAlignedAndNeverCut)
{
    const SegmentLineCase &c = GetParam();
    SessionGrid cells;
    cells.setColumnCount(c.column + 1);
    cells.setColumn(c.column, c.cells);
    EXPECT_EQ(SessionListing::segmentLine(cells, c.column), QString::fromLatin1(c.expected));
}

INSTANTIATE_TEST_SUITE_P(
    Listing, SegmentLineTest,
    testing::Values(
        // The empty target prints as four blanks, the empty chord and dbb ramp as three and four.
        SegmentLineCase{"PulsedDefault", 0, newSessionColumn(PulsedSession),
                        "  1  1:00.0  PFr  7.83   240                  IN   50   100  100   none           0    0"},
        SegmentLineCase{"DualDefault", 0, newSessionColumn(DualBinauralSession),
                        "  1  1:00.0  dbb  7.83   240   15.0    480   IRH   50   100  100   none   jump    0    0"},
        // From segment 100 on the number simply takes a third place; every field at its widest value.
        SegmentLineCase{"ThreeDigitSegment", 122,
                        columnOf({"", "10:00.0", "PCh", "42.0", "960", "0.25", "9", "LA", "87", "0", "14", "seg", "",
                                  "15", "15"}),
                        " 123 10:00.0  PCh  42.0   960   0.25      9    LA   87     0   14    seg          15   15"},
        // A text longer than its field pushes the rest of the line right.
        SegmentLineCase{"LongTextPushesRight", 6,
                        columnOf({"", "100:00.0", "PFr", "7.83", "240", "", "", "IN", "50", "100", "100", "none", "",
                                  "0", "0"}),
                        "  7 100:00.0  PFr  7.83   240                  IN   50   100  100   none           0    0"},
        SegmentLineCase{"RelativePitchAndRamp", 1,
                        columnOf({"", "0:00.5", "dSb", "0.25", "16", "42.0", "r-15", "OLL", "12", "100", "0", "seg",
                                  "ramp", "3", "2"}),
                        "  2  0:00.5  dSb  0.25    16   42.0    r-15   OLL   12   100    0    seg   ramp    3    2"}),
    [](const testing::TestParamInfo<SegmentLineCase> &info) { return std::string(info.param.name); });

TEST(SessionListing, HeaderFollowsTheSessionKind)
{
    EXPECT_EQ(SessionListing::header(PulsedSession), PulsedListingHeader);
    EXPECT_EQ(SessionListing::header(DualBinauralSession), DualListingHeader);
}

TEST(SessionListing, TitleNamesSessionFileAndDateAfterATab)
{
    EXPECT_EQ(SessionListing::title(u"unnamed"_s, QString(), u"24/05/2024"_s),
              u"Light Sound Session [unnamed]  File:[]  \t24/05/2024"_s);
    // Names and paths come out as typed, "%" included.
    EXPECT_EQ(SessionListing::title(u"100% %1 alpha"_s, u"/home/ann/ALPHA %s.LSS"_s, u"1.2.24"_s),
              u"Light Sound Session [100% %1 alpha]  File:[/home/ann/ALPHA %s.LSS]  \t1.2.24"_s);
}

TEST(SessionListing, NeverSavedSessionWithoutDescription)
{
    Session session = sessionWithTimes(PulsedSession, {"1:00.0", "0:30.0"});
    session.name = u"unnamed"_s;
    const QStringList expected{
        u"Light Sound Session [unnamed]  File:[]  \tDATE"_s,
        PulsedListingHeader,
        u"  1  1:00.0  PFr  7.83   240                  IN   50   100  100   none           0    0"_s,
        u"  2  0:30.0  PFr  7.83   240                  IN   50   100  100   none           0    0"_s,
        QString(),
        u"Session total time 1:30"_s,
        QString(),
    };
    EXPECT_EQ(SessionListing::lines(session, u"Session total time 1:30"_s, u"DATE"_s), expected);
}

TEST(SessionListing, DualSessionEndsWithItsDescription)
{
    Session session = sessionWithTimes(DualBinauralSession, {"0:10.0"});
    session.name = u"Evening"_s;
    session.fileName = u"/data/EVENING.LSS"_s;
    session.descriptionLines = {u"Relaxing ramp"_s, QString(), u"\tindented"_s};
    const QStringList lines = SessionListing::lines(session, QString(), u"D"_s);
    const QStringList expected{
        u"Light Sound Session [Evening]  File:[/data/EVENING.LSS]  \tD"_s,
        DualListingHeader,
        u"  1  0:10.0  dbb  7.83   240   15.0    480   IRH   50   100  100   none   jump    0    0"_s,
        QString(),
        // After Cut of the last segment the panel's second line is empty, and so is this one.
        QString(),
        QString(),
        u"Relaxing ramp"_s,
        QString(),
        u"\tindented"_s,
    };
    EXPECT_EQ(lines, expected);
}

TEST(SessionListing, ThousandSegmentsGiveThousandLines)
{
    Session session = sessionWithTimes(PulsedSession, {"0:01.0"});
    session.cells.setColumnCount(SessionGrid::MaxSegments);
    for (int column = 1; column < SessionGrid::MaxSegments; ++column)
        session.cells.setColumn(column, session.cells.column(0));
    const QStringList lines = SessionListing::lines(session, QString(), u"D"_s);
    ASSERT_EQ(lines.size(), 2 + SessionGrid::MaxSegments + 3);
    EXPECT_TRUE(lines.at(2 + 98).startsWith(u" 99  0:01.0"_s));
    EXPECT_TRUE(lines.at(2 + 99).startsWith(u" 100  0:01.0"_s));
    EXPECT_TRUE(lines.at(2 + 999).startsWith(u" 1000  0:01.0"_s));
}

} // namespace

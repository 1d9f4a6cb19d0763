// mirandel-cli listing: the printout's lines as text.
#include "CliProcess.h"
#include "ListingHeaders.h"
#include "TestSupport.h"

#include "core/listing/SessionListing.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

// A run's output, line by line.
struct Listing
{
    int exitCode;
    QStringList out;
    QStringList err;
};

Listing runListing(const QStringList &arguments)
{
    const CliRun run = runCli(QStringList{u"listing"_s} + arguments);
    return {run.exitCode, run.outLines(), run.errLines()};
}

// The run with the title's date (which may turn over midnight) set aside.
Listing listing(const QString &file, QString *date)
{
    const QString before = SessionListing::shortDate();
    Listing run = runListing({file});
    const QString after = SessionListing::shortDate();
    if (!run.out.isEmpty()) {
        QString &title = run.out.first();
        for (const QString &today : {before, after}) {
            if (title.endsWith(u'\t' + today)) {
                title.chop(today.size());
                *date = today;
            }
        }
    }
    return run;
}

TEST(ListingCommand, PrintsThePrintoutLinesOfAFile)
{
    const struct
    {
        const char *fixture;
        QStringList lines; // title without the date
    } cases[] = {
        {"described.LSS",
         {u"Light Sound Session [Café € “Theta”]  File:[%1]  \t"_s.arg(testDataPath(u"described.LSS"_s)),
          PulsedListingHeader,
          u"  1  0:30.0  PFr  10.0   240    4.0           IN   50   100   85   none           2    3"_s,
          u"  2  1:00.0  PCh  7.83   240             3    RL   25    70  100    seg           0    3"_s,
          u"  3  2:00.0   bb   4.0   120                  FB   87   100  100   none           0    0"_s,
          QString(),
          u"Session total time 6:30"_s,
          QString(),
          u"Line one äöü"_s,
          QString(),
          u"Line three"_s}},
        {"new_dual.LSS",
         {u"Light Sound Session [unnamed]  File:[%1]  \t"_s.arg(testDataPath(u"new_dual.LSS"_s)),
          DualListingHeader,
          u"  1  1:00.0  dbb  7.83   240   15.0    480   IRH   50   100  100   none   jump    0    0"_s,
          QString(),
          u"Session total time 1:0"_s,
          QString()}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.fixture);
        QString date;
        const Listing run = listing(testDataPath(QString::fromLatin1(c.fixture)), &date);
        EXPECT_EQ(run.exitCode, 0);
        EXPECT_FALSE(date.isEmpty()) << "the title does not end with today's date";
        EXPECT_EQ(run.out, c.lines);
        EXPECT_TRUE(run.err.isEmpty()) << run.err.join(u'\n');
    }
}

TEST(ListingCommand, FormatErrorsAreReportedAndTheRestIsListed)
{
    QString date;
    const Listing run = listing(testDataPath(u"format_errors.LSS"_s), &date);
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.err, (QStringList{u"Float convert error on fifty"_s, u"Format errors in file"_s}));
    ASSERT_EQ(run.out.size(), 2 + 2 + 3);
    EXPECT_EQ(run.out.at(4), QString());
    EXPECT_EQ(run.out.at(5), u"Session total time 1:10"_s);
}

TEST(ListingCommand, UsageAndMissingFile)
{
    const QString missing = testDataPath(u"missing.LSS"_s);
    const struct
    {
        QStringList arguments;
        int exitCode;
        QStringList err;
    } cases[] = {
        {{}, 2, {u"usage: mirandel-cli listing FILE"_s}},
        {{missing, missing}, 2, {u"usage: mirandel-cli listing FILE"_s}},
        {{missing}, 1, {u"Cannot open file \"%1\". No such file or directory"_s.arg(missing)}},
    };
    for (const auto &c : cases) {
        const Listing run = runListing(c.arguments);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.arguments.join(u' ');
        EXPECT_TRUE(run.out.isEmpty());
        EXPECT_EQ(run.err, c.err);
    }
    const Listing help = runListing({u"--help"_s});
    EXPECT_EQ(help.exitCode, 0);
    ASSERT_FALSE(help.out.isEmpty());
    EXPECT_EQ(help.out.first(), u"usage: mirandel-cli listing FILE"_s);
}

} // namespace

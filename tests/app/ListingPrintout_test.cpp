#include "MenuCommands.h"
#include "ScriptedPrompter.h"
#include "TestSupport.h"

#include "app/MainWindow.h"
#include "app/MirandelWindows.h"
#include "core/listing/SessionListing.h"
#include "app/printing/SessionListingPrinter.h"

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <climits>
#include <cmath>
#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

// Runs a poppler tool and gives its standard output.
QString runTool(const QString &tool, const QStringList &arguments)
{
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return QString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

class ListingPrintoutTest : public testing::Test
{
protected:
    void SetUp() override
    {
        if (QStandardPaths::findExecutable(u"pdftotext"_s).isEmpty()
            || QStandardPaths::findExecutable(u"pdfinfo"_s).isEmpty())
            GTEST_SKIP() << "pdftotext and pdfinfo (poppler-utils) are needed to read the printout back";
        ASSERT_TRUE(mDir.isValid());
        mPdf = mDir.filePath(u"listing.pdf"_s);
        mPrinter.setOutputFormat(QPrinter::PdfFormat);
        mPrinter.setOutputFileName(mPdf);
    }

    bool print(const QStringList &lines) { return SessionListingPrinter::printLines(mPrinter, lines, mPrompter); }

    QString boxes() { return runTool(u"pdftotext"_s, {u"-bbox"_s, mPdf, u"-"_s}); }
    QString info() { return runTool(u"pdfinfo"_s, {mPdf}); }
    int pages()
    {
        const QRegularExpressionMatch match = QRegularExpression(u"Pages:\\s+(\\d+)"_s).match(info());
        return match.hasMatch() ? match.captured(1).toInt() : 0;
    }

    QTemporaryDir mDir;
    QString mPdf;
    QPrinter mPrinter{QPrinter::HighResolution};
    ScriptedPrompter mPrompter;
};

// The timing panel's total line of the session below.
const QString TwoSegmentTotal = u"Session total time 1:30"_s;

Session twoSegmentSession()
{
    Session session = sessionWithTimes(PulsedSession, {"1:00.0", "0:30.0"});
    session.name = u"Morning"_s;
    session.descriptionLines = {u"Wake up gently"_s};
    return session;
}

Session sessionOfSegments(int count)
{
    Session session = twoSegmentSession();
    session.cells.setColumnCount(count);
    for (int column = 0; column < count; ++column) {
        session.cells.setColumn(column, session.cells.column(0));
        session.cells.setCell(column, SegmentNumberRow, QString::number(column + 1));
    }
    return session;
}

struct Word
{
    double left;
    double right;
    double top;
    QString text;
};

// The printed lines rebuilt from the glyph boxes pdftotext reports: in a
// fixed-pitch font every word stands at a whole character column, so blanks
// and tab stops come back exactly. Empty lines leave no trace.
QStringList printedLines(const QString &boxes)
{
    static const QRegularExpression pageStart(u"<page "_s);
    static const QRegularExpression wordBox(
        u"<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" yMax=\"[\\d.]+\">([^<]*)</word>"_s);
    QList<QList<Word>> pages;
    for (const QString &page : boxes.split(pageStart).mid(1)) {
        QList<Word> words;
        for (const QRegularExpressionMatch &match : wordBox.globalMatch(page)) {
            QString text = match.captured(4);
            text.replace(u"&lt;"_s, u"<"_s).replace(u"&gt;"_s, u">"_s).replace(u"&quot;"_s, u"\""_s);
            text.replace(u"&amp;"_s, u"&"_s);
            words.append({match.captured(1).toDouble(), match.captured(3).toDouble(), match.captured(2).toDouble(), text});
        }
        pages.append(words);
    }
    if (pages.isEmpty() || pages.first().isEmpty())
        return {};
    // The first line of the printout starts at the margin.
    const Word &first = pages.first().first();
    const double margin = first.left;
    const double characterWidth = (first.right - first.left) / double(first.text.size());
    QStringList lines;
    for (QList<Word> &words : pages) {
        std::stable_sort(words.begin(), words.end(), [](const Word &a, const Word &b) {
            return std::lround(a.top * 10) != std::lround(b.top * 10) ? a.top < b.top : a.left < b.left;
        });
        long currentTop = LONG_MIN;
        for (const Word &word : words) {
            if (std::lround(word.top * 10) != currentTop) {
                lines.append(QString());
                currentTop = std::lround(word.top * 10);
            }
            const int column = int(std::lround((word.left - margin) / characterWidth));
            lines.last() = lines.last().leftJustified(column, u' ') + word.text;
        }
    }
    return lines;
}

// The lines as the page should show them: tabs expanded to the next multiple
// of eight, blank lines left out.
QStringList visibleLines(const QStringList &lines)
{
    QStringList visible;
    for (const QString &line : lines) {
        QString expanded;
        for (const QChar ch : line) {
            if (ch == u'\t')
                expanded = expanded.leftJustified((expanded.size() / 8 + 1) * 8, u' ');
            else
                expanded += ch;
        }
        while (expanded.endsWith(u' '))
            expanded.chop(1);
        if (!expanded.isEmpty())
            visible.append(expanded);
    }
    return visible;
}

TEST_F(ListingPrintoutTest, EveryLineReachesTheLandscapePageExactly)
{
    const QStringList lines = SessionListing::lines(twoSegmentSession(), TwoSegmentTotal, u"24/05/2024"_s);
    ASSERT_TRUE(print(lines));
    EXPECT_TRUE(mPrompter.errors.isEmpty()) << mPrompter.errors.join(u'\n');
    EXPECT_FALSE(mPrompter.busy);

    // 40 characters stand before the tab, so the date starts at the next stop: column 48.
    EXPECT_EQ(printedLines(boxes()), visibleLines(lines));
    EXPECT_EQ(printedLines(boxes()).first(), u"Light Sound Session [Morning]  File:[]"_s + QString(10, u' ') + u"24/05/2024"_s);

    const QRegularExpressionMatch size =
        QRegularExpression(u"Page size:\\s+([\\d.]+) x ([\\d.]+) pts"_s).match(info());
    ASSERT_TRUE(size.hasMatch());
    EXPECT_GT(size.captured(1).toDouble(), size.captured(2).toDouble()) << "not landscape";
    EXPECT_EQ(pages(), 1);
}

TEST_F(ListingPrintoutTest, ThousandSegmentsBreakIntoPagesWithNothingLost)
{
    const QStringList lines = SessionListing::lines(sessionOfSegments(1000), TwoSegmentTotal, u"D"_s);
    ASSERT_TRUE(print(lines));
    EXPECT_EQ(printedLines(boxes()), visibleLines(lines));
    // About 30 lines fit a landscape page in 12 points.
    EXPECT_GE(pages(), 1005 / 40);
    EXPECT_LE(pages(), 1005 / 20);
}

TEST_F(ListingPrintoutTest, LongLineContinuesOnTheNextLine)
{
    const QString longLine = QString(300, u'x') + u"END"_s;
    ASSERT_TRUE(print({u"before"_s, longLine, u"after"_s}));
    const QStringList printed = printedLines(boxes());
    ASSERT_GE(printed.size(), 4) << "the long line was not wrapped";
    EXPECT_EQ(printed.first(), u"before"_s);
    EXPECT_EQ(printed.last(), u"after"_s);
    const QStringList pieces = printed.mid(1, printed.size() - 2);
    EXPECT_EQ(pieces.join(QString()), longLine);
    // Every piece but the last fills the page's width.
    for (qsizetype i = 1; i + 1 < pieces.size(); ++i)
        EXPECT_EQ(pieces.at(i).size(), pieces.first().size());
}

TEST_F(ListingPrintoutTest, FailingWriteStopsWithMessageAndNormalCursor)
{
    struct Case
    {
        const char *destination;
        int segments;
    };
    // A folder that does not exist fails at once; a full device fails when a page is written out.
    const Case cases[] = {{"/nonexistent-folder/listing.pdf", 1}, {"/dev/full", 1000}};
    for (const Case &c : cases) {
        if (!QFile::exists(QFileInfo(QString::fromLatin1(c.destination)).path()))
            continue;
        ScriptedPrompter prompter;
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromLatin1(c.destination));
        EXPECT_FALSE(SessionListingPrinter::printLines(
            printer, SessionListing::lines(sessionOfSegments(c.segments), TwoSegmentTotal, u"D"_s), prompter));
        ASSERT_EQ(prompter.errors.size(), 1) << c.destination;
        EXPECT_EQ(prompter.errors.first(),
                  u"I/O error while printing to \"%1\". The printout was stopped."_s.arg(
                      QString::fromLatin1(c.destination)));
        EXPECT_EQ(prompter.busyAtError, QList<bool>{false});
        EXPECT_FALSE(prompter.busy);
    }
}

// The main window's File > Print, with the print dialog answered by a timer.
class PrintCommandTest : public ListingPrintoutTest
{
protected:
    void printWithDialogAnswer(bool accept)
    {
        MirandelWindows windows({});
        MainWindow &window = *windows.mainWindow;
        window.setPrompter(mPrompter);
        window.document().replace(twoSegmentSession(), false);
        window.setSessionShown(true);
        QPrinter &printer = window.listingPrinter().printer();
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(mPdf);
        bool dialogSeen = false;
        QTimer::singleShot(0, [&] {
            auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            dialogSeen = dialog != nullptr;
            if (dialog)
                accept ? dialog->accept() : dialog->reject();
        });
        menuCommand(window, u"&Print"_s)->trigger();
        EXPECT_TRUE(dialogSeen);
        EXPECT_TRUE(mPrompter.errors.isEmpty());
        EXPECT_FALSE(mPrompter.busy);
    }
};

TEST_F(PrintCommandTest, CancelPrintsNothing)
{
    printWithDialogAnswer(false);
    EXPECT_FALSE(QFile::exists(mPdf));
}

TEST_F(PrintCommandTest, PrintWritesTheSessionListing)
{
    printWithDialogAnswer(true);
    ASSERT_TRUE(QFile::exists(mPdf));
    const QStringList printed = printedLines(boxes());
    ASSERT_FALSE(printed.isEmpty());
    EXPECT_TRUE(printed.first().startsWith(u"Light Sound Session [Morning]  File:[]"_s));
    EXPECT_EQ(printed.last(), u"Wake up gently"_s);
}

} // namespace

// Every word keeps 10 mm from each edge of the page, and every page carries
// its number in a footer under the listing.
TEST_F(ListingPrintoutTest, MarginsOfTenMillimetresAndAPageNumberOnEveryPage)
{
    ASSERT_TRUE(print(SessionListing::lines(sessionOfSegments(60), TwoSegmentTotal, u"D"_s)));
    const int pageCount = pages();
    ASSERT_GE(pageCount, 2);
    const QRegularExpressionMatch size = QRegularExpression(u"Page size:\\s+([\\d.]+) x ([\\d.]+) pts"_s).match(info());
    ASSERT_TRUE(size.hasMatch());
    const double width = size.captured(1).toDouble();
    const double height = size.captured(2).toDouble();
    const double tenMillimetres = 10 / 25.4 * 72;
    static const QRegularExpression wordBox(
        u"<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" yMax=\"([\\d.]+)\">"_s);
    double lowest = 0;
    for (const QRegularExpressionMatch &word : wordBox.globalMatch(boxes())) {
        EXPECT_GE(word.captured(1).toDouble(), tenMillimetres - 0.5);
        EXPECT_GE(word.captured(2).toDouble(), tenMillimetres - 0.5);
        EXPECT_LE(word.captured(3).toDouble(), width - tenMillimetres + 0.5);
        lowest = std::max(lowest, word.captured(4).toDouble());
    }

    // The footer is the only ink below the listing's lowest line, inside the margin.
    const QString prefix = mDir.filePath(u"page"_s);
    QProcess render;
    render.start(u"pdftoppm"_s, {u"-r"_s, u"36"_s, u"-gray"_s, mPdf, prefix});
    ASSERT_TRUE(render.waitForFinished(60000));
    const double pixelsPerPoint = 36.0 / 72.0;
    for (int page = 1; page <= pageCount; ++page) {
        const QString file = u"%1-%2.pgm"_s.arg(prefix).arg(page, int(QString::number(pageCount).size()), 10, QChar(u'0'));
        const QImage image(file);
        ASSERT_FALSE(image.isNull()) << file;
        int ink = 0;
        for (int y = int((lowest + 2) * pixelsPerPoint); y < int((height - tenMillimetres) * pixelsPerPoint); ++y) {
            for (int x = 0; x < image.width(); ++x)
                ink += qGray(image.pixel(x, y)) < 128;
        }
        EXPECT_GT(ink, 0) << "no page number on page " << page;
    }
}

// mirandel-cli check against what mirandel-cli encode reports for the same file.
#include "CliProcess.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {
// A segment line of a .LSS file from its 14 cells.
QByteArray segmentLine(int n, const char *cells)
{
    return QByteArray::number(n) + '\t' + QByteArray(cells).replace('|', '\t') + "\t\r\n";
}

} // namespace

TEST(CheckCommand, AgreesWithTheEncoderOnFaultyAndDamagedFiles)
{
    QTemporaryDir dir;
    const struct {
        const char *name;
        QByteArray segments;
        int encoderStopsAfter; // lines the encoder reports; -1 for all
    } cases[] = {
        {"pulsed faults",
         segmentLine(1, "1:00.0|PFr|7.83|240|||XX|50|100|100|ramp|none||0|0") +
             segmentLine(2, "1:00.0|PCh|7.83|240||12|IN|5O|100|100|none|none||0|0"),
         -1},
        {"dual damaged",
         segmentLine(1, "1:00.0|dbb|7.83|240|15.0|r99|IRH|50|100|100|none|jump||0|0") +
             segmentLine(2, "1:00.0|PFr|7.83|240|15.0|480|IN|50|100|100|none|slide||0|0"),
         -1},
        {"loop times not a number",
         segmentLine(1, "1:00.0|PFr|7.83|240|||IN|50|100|100|none|none||1|x") +
             segmentLine(2, "1:00.0|PFr|7.83|240|||QQ|50|100|100|none|none||0|0"),
         1},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = dir.filePath(QString::fromLatin1(c.name) + u".LSS"_s);
        writeFileBytes(path, ";checked\r\n" + c.segments);
        const CliRun check = runCli({u"check"_s, path});
        const CliRun encode = runCli({u"encode"_s, path});
        // Both read the file first; the encoder's own messages follow.
        const QStringList reading = check.errLines();
        ASSERT_EQ(encode.errLines().mid(0, reading.size()), reading);
        const QStringList encoderSays = encode.errLines().mid(reading.size());

        static const QRegularExpression line(u"^(error|warning)\t([0-9]+)\t([0-9]+)\t(.+)$"_s);
        static const QRegularExpression light(u"^(warning\t[0-9]+\t3\tLight flashes|note\t0\t0\t)"_s);
        QStringList texts;
        bool anyError = false;
        for (const QString &text : check.outLines()) {
            // The light's findings follow the encoder's, checked on their own.
            if (light.match(text).hasMatch())
                break;
            const QRegularExpressionMatch match = line.match(text);
            ASSERT_TRUE(match.hasMatch()) << text;
            anyError = anyError || match.captured(1) == u"error"_s;
            texts.append(match.captured(4));
        }
        const qsizetype compared = c.encoderStopsAfter < 0 ? texts.size() : c.encoderStopsAfter;
        EXPECT_EQ(texts.mid(0, compared), encoderSays);
        EXPECT_EQ(check.exitCode, anyError ? 1 : 0);
    }
}

TEST(CheckCommand, UsageAndFilesThatCannotBeOpened)
{
    EXPECT_EQ(runCli({u"check"_s}).exitCode, 2);
    EXPECT_EQ(runCli({u"check"_s, u"-j"_s, u"0"_s, u"a.LSS"_s}).exitCode, 2);
    // Several files are checked one by one: neither of these can be opened.
    EXPECT_EQ(runCli({u"check"_s, u"a.LSS"_s, u"b.LSS"_s}).exitCode, 1);
    const CliRun missing = runCli({u"check"_s, testDataPath(u"missing.LSS"_s)});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_TRUE(missing.out.isEmpty());
    EXPECT_EQ(missing.errLines().size(), 1);
}

TEST(CheckCommand, AFileReadWithFormatErrorsIsAnErrorOfTheWholeSession)
{
    const CliRun check = runCli({u"check"_s, testDataPath(u"format_errors.LSS"_s)});
    EXPECT_EQ(check.exitCode, 1);
    EXPECT_EQ(check.outLines().value(0), u"error\t0\t0\tFormat errors in file"_s);
    EXPECT_TRUE(check.errLines().contains(u"Format errors in file"_s)) << check.err;
}

// Warnings and notes leave the exit status at 0.
TEST(CheckCommand, WarnsOfLightInThePeakBandAndOfASilentDarkSessionAndStillPasses)
{
    const struct
    {
        const char *name;
        QByteArray segments;
        QStringList lines;
    } cases[] = {
        {"flash",
         segmentLine(1, "1:00.0|PFr|15.0|240|||IN|50|100|100|none|none||0|0")
             + segmentLine(2, "0:30.0|PFr|10.0|240|||IN|50|100|0|none|none||0|0"),
         {u"warning\t1\t3\tLight flashes at 15 Hz for 1:00 in segment 1: the range most likely to "
          u"provoke seizures in people with photosensitive epilepsy"_s,
          u"note\t0\t0\tThe light flashes at 3 to 30 Hz, the range that can provoke seizures, for "
          u"1:00 of the session"_s}},
        // As an import that lost its levels makes it.
        {"quiet",
         segmentLine(1, "1:00.0|bb|4.0|240|||IN|50|0|0|none|none||0|0")
             + segmentLine(2, "0:30.0|bb|4.0|240|||IN|50|0|0|none|none||0|0"),
         {u"warning\t0\t0\tThe session is silent from start to end: every segment's Volume is 0"_s,
          u"warning\t0\t0\tThe session is dark from start to end: every segment's Intensity is 0"_s}},
    };
    QTemporaryDir dir;
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = dir.filePath(QString::fromLatin1(c.name) + u".LSS"_s);
        writeFileBytes(path, ";" + QByteArray(c.name) + "\r\n" + c.segments);
        const CliRun check = runCli({u"check"_s, path});
        EXPECT_EQ(check.exitCode, 0);
        EXPECT_EQ(check.outLines(), c.lines);
    }
}

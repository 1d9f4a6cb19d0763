// mirandel-cli import and export: files, the report on stderr, exit status.
#include "CliProcess.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

TEST(ExchangeCommands, ExitStatusReportAndOutput)
{
    QTemporaryDir dir;
    const QString described = testDataPath(u"described.LSS"_s);
    const QString newPulsed = testDataPath(u"new_pulsed.LSS"_s);
    const QString noise = testDataPath(u"exchange/noise_and_mix.sbg"_s);
    const QString broken = dir.filePath(u"broken.sbg"_s);
    writeFileBytes(broken, "ts: 200+4/40\nNOW nothing\n");
    const QString endless = dir.filePath(u"endless.sbg"_s);
    writeFileBytes(endless, "ts: 194+4/100\nNOW ts\n");
    const struct {
        QStringList arguments;
        int exitCode;
        QStringList err;
        bool written;
    } cases[] = {
        // The new-session segment's light (intensity 100) is the format's loss.
        {{u"export"_s, newPulsed, u"-o"_s, u"out.sbg"_s}, 0, {u"warning\t1\t10\tlight intensity 100"_s}, true},
        {{u"export"_s, newPulsed, u"-o"_s, u"out.gnaural"_s, u"--strict"_s},
         1,
         {u"warning\t1\t10\tlight intensity 100"_s,
          u"mirandel-cli: --strict: nothing written, since the file would not hold everything"_s},
         false},
        // Noise and a rounded pitch change neither the time, nor a beat, nor what is heard: --strict writes.
        {{u"import"_s, noise, u"-o"_s, u"out.LSS"_s, u"--strict"_s},
         0,
         // The mix input becomes a bed.
         {u"warning\t1\t4\tsegments 1\u20133: pitch rounded to the list: 197 \u2192 192"_s,
          u"warning\t1\t0\tsegments 1\u20133: line 2: pink noise left out"_s},
         true},
        // A schedule that plays until stopped: its length changes without --length.
        {{u"import"_s, endless, u"-o"_s, u"out.LSS"_s, u"--strict"_s},
         1,
         {u"warning\t0\t0\tthe schedule plays until stopped: imported as 0:30:00 long"_s,
          u"mirandel-cli: --strict: nothing written, since the file would not hold everything"_s},
         false},
        {{u"import"_s, endless, u"-o"_s, u"out.LSS"_s, u"--strict"_s, u"--length"_s, u"1:15:00"_s}, 0, {}, true},
        {{u"import"_s, endless, u"-o"_s, u"out.LSS"_s, u"--length"_s, u"1:75:00"_s},
         2,
         {u"usage: mirandel-cli import IN -o OUT.LSS [--strict] [--length H:MM:SS]"_s},
         false},
        {{u"import"_s, broken, u"-o"_s, u"out.LSS"_s},
         1,
         {u"mirandel-cli: broken.sbg: line 2: no tone-set or block is named \"nothing\""_s},
         false},
        {{u"import"_s, described, u"-o"_s, u"out.LSS"_s},
         2,
         {u"usage: mirandel-cli import IN -o OUT.LSS [--strict] [--length H:MM:SS]"_s},
         false},
        {{u"export"_s, described, u"-o"_s, u"out.wav"_s},
         2,
         {u"usage: mirandel-cli export IN.LSS -o OUT.sbg|OUT.gnaural [--strict]"_s,
          u"mirandel-cli: export writes .sbg or .gnaural files, not \"out.wav\""_s},
         false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.arguments.join(u' ').toStdString());
        QStringList arguments = c.arguments;
        const QString output = dir.filePath(arguments.at(3));
        arguments[3] = output;
        QFile::remove(output);
        const CliRun run = runCli(arguments);
        EXPECT_EQ(run.exitCode, c.exitCode);
        EXPECT_EQ(run.errLines().replaceInStrings(dir.path() + u'/', QString()), c.err);
        EXPECT_EQ(QFileInfo::exists(output), c.written);
    }
}

TEST(ExchangeCommands, CellsEditedAsTextComeBackAsTheyAre)
{
    QTemporaryDir dir;
    const CliRun cells = runCli({u"cells"_s, testDataPath(u"described.LSS"_s)});
    ASSERT_EQ(cells.exitCode, 0);
    // What a text tool might do: change one cell.
    QString text = cells.out;
    text.replace(u"\t120\t"_s, u"\t128\t"_s);
    const QString edited = dir.filePath(u"edited.tsv"_s);
    writeFileBytes(edited, text.toUtf8());
    const QString session = dir.filePath(u"edited.LSS"_s);
    const CliRun imported = runCli({u"import"_s, edited, u"-o"_s, session});
    ASSERT_EQ(imported.exitCode, 0) << imported.err.toStdString();
    EXPECT_EQ(runCli({u"cells"_s, session}).out, text);
}

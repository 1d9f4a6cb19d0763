// mirandel-cli info, cells, timing and resave, run as a separate program.
#include "CliProcess.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace Qt::Literals::StringLiterals;

namespace {
const QString Described = testDataPath(u"described.LSS"_s);
} // namespace

TEST(MirandelCliFiles, CommandsPrintWhatTheProgramShows)
{
    const QString missing = testDataPath(u"missing.LSS"_s);
    const struct
    {
        const char *name;
        QStringList arguments;
        int exitCode;
        QStringList out;
        QStringList err;
    } cases[] = {
        {"info",
         {u"info"_s, Described},
         0,
         {u"name: Café € “Theta”"_s, u"kind: Pulsed/Binaural Beats"_s, u"segments: 3"_s,
          u"total: Session total time 6:30"_s, u"seconds: 390"_s},
         {}},
        {"info of a dual session",
         {u"info"_s, testDataPath(u"new_dual.LSS"_s)},
         0,
         {u"name: unnamed"_s, u"kind: Dual Binaural Beats"_s, u"segments: 1"_s, u"total: Session total time 1:0"_s,
          u"seconds: 60"_s},
         {}},
        {"info of a file with format errors",
         {u"info"_s, testDataPath(u"format_errors.LSS"_s)},
         0,
         {u"name: faulty"_s, u"kind: Pulsed/Binaural Beats"_s, u"segments: 2"_s, u"total: Session total time 1:10"_s,
          u"seconds: 70"_s},
         {u"Float convert error on fifty"_s, u"Format errors in file"_s}},
        {"info of a missing file",
         {u"info"_s, missing},
         1,
         {},
         {u"Cannot open file \"%1\". No such file or directory"_s.arg(missing)}},
        {"cells",
         {u"cells"_s, Described},
         0,
         {u"1\t0:30.0\tPFr\t10.0\t240\t4.0\t\tIN\t50\t100\t85\tnone\t\t2\t3"_s,
          u"2\t1:00.0\tPCh\t7.83\t240\t\t3\tRL\t25\t70\t100\tseg\t\t0\t3"_s,
          u"3\t2:00.0\tbb\t4.0\t120\t\t\tFB\t87\t100\t100\tnone\t\t0\t0"_s},
         {}},
        {"timing of a segment", {u"timing"_s, Described, u"3"_s}, 0,
         {u"Segment 3 start time 4:30"_s, u"Session total time 6:30"_s}, {}},
        {"timing past the end", {u"timing"_s, Described, u"4"_s}, 0, {u"Session total time 6:30"_s, QString()}, {}},
        {"timing before the start", {u"timing"_s, Described, u"0"_s}, 0, {u"Session total time 6:30"_s, QString()}, {}},
        {"timing far past any int", {u"timing"_s, Described, u"99999999999999999999"_s}, 0,
         {u"Session total time 6:30"_s, QString()}, {}},
        {"timing far before any int", {u"timing"_s, Described, u"-2147483649"_s}, 0,
         {u"Session total time 6:30"_s, QString()}, {}},
        {"timing of a sign alone", {u"timing"_s, Described, u"-"_s}, 2, {}, {u"usage: mirandel-cli timing FILE S"_s}},
        {"timing without a number", {u"timing"_s, Described, u"x"_s}, 2, {},
         {u"usage: mirandel-cli timing FILE S"_s}},
        {"info without a file", {u"info"_s}, 2, {}, {u"usage: mirandel-cli info FILE"_s}},
        {"resave of a missing file", {u"resave"_s, missing, missing + u".out"_s}, 1, {},
         {u"Cannot open file \"%1\". No such file or directory"_s.arg(missing)}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const CliRun run = runCli(c.arguments);
        EXPECT_EQ(run.exitCode, c.exitCode);
        EXPECT_EQ(run.outLines(), c.out);
        EXPECT_EQ(run.errLines(), c.err);
    }
}

TEST(MirandelCliFiles, ResaveWritesAsSaveDoes)
{
    QTemporaryDir dir;
    for (const char *fixture : {"described.LSS", "new_pulsed.LSS", "new_dual.LSS"}) {
        const QString out = dir.filePath(QString::fromLatin1(fixture));
        const CliRun run = runCli({u"resave"_s, testDataPath(QString::fromLatin1(fixture)), out});
        EXPECT_EQ(run.exitCode, 0) << fixture;
        EXPECT_EQ(readFileBytes(out), readFileBytes(testDataPath(QString::fromLatin1(fixture)))) << fixture;
    }
    const CliRun faulty = runCli({u"resave"_s, testDataPath(u"format_errors.LSS"_s), dir.filePath(u"f.LSS"_s)});
    EXPECT_EQ(faulty.exitCode, 0);
    EXPECT_EQ(readFileBytes(dir.filePath(u"f.LSS"_s)),
              ";faulty\r\n"
              "1\t0:10.0\tPFr\t7.83\t240\t\t\tIN\t12\t100\t100\tnone\tnone\t\t0\t0\t\r\n"
              "2\t1:00.0\tPSu\t7.83\t240\t\t\tIN\t50\t100\t100\tnone\tnone\t\t0\t0\t\r\n");

    const CliRun unwritable = runCli({u"resave"_s, Described, dir.filePath(u"no folder/x.LSS"_s)});
    EXPECT_EQ(unwritable.exitCode, 1);
    ASSERT_EQ(unwritable.errLines().size(), 1);
    EXPECT_TRUE(unwritable.err.startsWith(u"Cannot create file"_s));
}

TEST(MirandelCliFiles, HelpForTheToolAndEachCommand)
{
    const CliRun overview = runCli({u"--help"_s});
    EXPECT_EQ(overview.exitCode, 0);
    const QStringList overviewLines = overview.outLines();
    for (const QString &usage : {u"info FILE"_s, u"cells FILE"_s, u"timing FILE S"_s, u"resave IN OUT"_s}) {
        EXPECT_TRUE(overviewLines.contains(u"  "_s + usage)) << usage;
        const CliRun help = runCli({usage.section(u' ', 0, 0), u"--help"_s});
        EXPECT_EQ(help.exitCode, 0) << usage;
        EXPECT_EQ(help.outLines().value(0), u"usage: mirandel-cli "_s + usage);
    }
}

TEST(MirandelCliFiles, WhatCannotBeReadOrReplacedSafelyIsRefusedAtOnceWithTheProgramsOwnMessage)
{
    QTemporaryDir dir;
    const QString fifo = dir.filePath(u"fifo.LSS"_s);
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString faulty = dir.filePath(u"faulty.LSS"_s);
    const QByteArray faultyBytes = readFileBytes(testDataPath(u"format_errors.LSS"_s));
    writeFileBytes(faulty, faultyBytes);
    const QString notAFile = u"It is neither a regular file nor a character device."_s;
    const struct
    {
        const char *name;
        QStringList arguments;
        QStringList err;
    } cases[] = {
        {"an empty name", {u"info"_s, QString()}, {u"Cannot open file \"\". No file name specified"_s}},
        {"a FIFO to read", {u"info"_s, fifo}, {u"Cannot open file \"%1\". %2"_s.arg(fifo, notAFile)}},
        {"a FIFO to write", {u"resave"_s, Described, fifo}, {u"Cannot create file \"%1\". %2"_s.arg(fifo, notAFile)}},
        {"a file read with format errors over itself",
         {u"resave"_s, faulty, faulty},
         {u"Float convert error on fifty"_s, u"Format errors in file"_s,
          u"faulty.LSS was read with format errors; saving replaces it with what could be read. Replace it?"_s}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const CliRun run = runCli(c.arguments);
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_EQ(run.errLines(), c.err);
    }
    EXPECT_EQ(readFileBytes(faulty), faultyBytes);
}

TEST(MirandelCliFiles, ANameThatIsNotUtf8IsRefusedNeverWrittenUnderAnother)
{
    QTemporaryDir dir;
    // The name's bytes go through the shell: Qt would pass them as UTF-8.
    const CliRun run = runCli({u"-c"_s, u"exec \"$0\" resave \"$1\" \"$2/$(printf 'bad\\377.LSS')\""_s,
                               builtProgramPath(u"mirandel-cli"_s), Described, dir.path()},
                              u"/bin/sh"_s);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains(u"is not valid UTF-8"_s)) << run.err;
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
}

// Whatever the reader left out would be lost by a save over the file, also
// when the file is reached through a link.
TEST(MirandelCliFiles, AFileReadWithLossesIsNotReplacedByWhatWasRead)
{
    const QByteArray segment = "1\t1:00.0\tPFr\t7.83\t240\t\t\tIN\t50\t100\t100\tnone\tnone\t\t0\t0\t\r\n";
    const struct
    {
        const char *name;
        QByteArray bytes;
        QString lost;
    } cases[] = {
        {"1,200 segments", ";many\r\n" + segment.repeated(1200), u"the segments after the first 1000"_s},
        {"a NUL byte", ";nul\r\n" + segment + '\0' + segment, u"the text after the NUL byte"_s},
        {"a 60-character name", ';' + QByteArray(60, 'n') + "\r\n" + segment,
         u"the end of the name after 40 characters"_s},
        {"a 300-character description line", ";long\r\n;" + QByteArray(300, 'd') + "\r\n" + segment,
         u"the ends of description lines after 256 characters"_s},
    };
    for (const auto &c : cases) {
        for (const bool throughLink : {false, true}) {
            SCOPED_TRACE(std::string(c.name) + (throughLink ? " through a link" : ""));
            QTemporaryDir dir;
            const QString file = dir.filePath(u"lossy.LSS"_s);
            writeFileBytes(file, c.bytes);
            const QString link = dir.filePath(u"link.LSS"_s);
            ASSERT_TRUE(QFile::link(file, link));
            const CliRun run = runCli({u"resave"_s, file, throughLink ? link : file});
            EXPECT_EQ(run.exitCode, 1);
            EXPECT_EQ(run.errLines().value(run.errLines().size() - 1),
                      u"lossy.LSS was read with losses; saving replaces it with what could be read, without %1. "
                      u"Replace it?"_s.arg(c.lost));
            EXPECT_EQ(readFileBytes(file), c.bytes);
        }
    }
    // Format errors as before, now through a link too.
    QTemporaryDir dir;
    const QString faulty = dir.filePath(u"faulty.LSS"_s);
    writeFileBytes(faulty, readFileBytes(testDataPath(u"format_errors.LSS"_s)));
    ASSERT_TRUE(QFile::link(faulty, dir.filePath(u"link.LSS"_s)));
    EXPECT_EQ(runCli({u"resave"_s, faulty, dir.filePath(u"link.LSS"_s)}).exitCode, 1);
    EXPECT_EQ(readFileBytes(faulty), readFileBytes(testDataPath(u"format_errors.LSS"_s)));
}

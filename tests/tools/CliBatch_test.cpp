// Several files in one call of mirandel-cli against a call for each.
#include "CliProcess.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {
QStringList sessionFiles()
{
    return {testDataPath(u"described.LSS"_s), testDataPath(u"format_errors.LSS"_s), testDataPath(u"new_dual.LSS"_s),
            testDataPath(u"missing.LSS"_s)};
}

// A stream of several runs: each run's lines under the file's name.
QString underNames(const QStringList &files, const QList<QString> &outputs)
{
    QString all;
    for (qsizetype i = 0; i < files.size(); ++i) {
        if (!outputs.at(i).isEmpty())
            all += files.at(i) + u":\n"_s + outputs.at(i);
    }
    return all;
}
} // namespace

TEST(CliBatch, PrintsWhatEachFileAloneWouldUnderItsNameWithTheWorstStatus)
{
    const QStringList files = sessionFiles();
    for (const QString &command : {u"check"_s, u"info"_s}) {
        for (const QString &jobs : {u"1"_s, u"3"_s}) {
            SCOPED_TRACE((command + u" -j "_s + jobs).toStdString());
            QList<QString> outs;
            QList<QString> errs;
            int worst = 0;
            for (const QString &file : files) {
                const CliRun alone = runCli({command, file});
                outs.append(alone.out);
                errs.append(alone.err);
                worst = std::max(worst, alone.exitCode);
            }
            const CliRun batch = runCli(QStringList{command, u"-j"_s, jobs} + files);
            EXPECT_EQ(batch.out, underNames(files, outs));
            EXPECT_EQ(batch.err, underNames(files, errs));
            EXPECT_EQ(batch.exitCode, worst);
        }
    }
}

TEST(CliBatch, WritesForEachFileOfAFolderWhatASingleCallWrites)
{
    QTemporaryDir folder;
    const QString inputs = folder.filePath(u"in"_s);
    ASSERT_TRUE(QDir().mkpath(inputs));
    for (const QString &name : {u"described.LSS"_s, u"new_dual.LSS"_s, u"new_pulsed.LSS"_s})
        ASSERT_TRUE(QFile::copy(testDataPath(name), inputs + u'/' + name));
    writeFileBytes(inputs + u"/notes.txt"_s, "not a session");
    const struct
    {
        const char *command;
        QStringList options;
        QString extension;
        QString output; // -o for the batch: the extension, or nothing for the default
    } cases[] = {
        {"render", {u"--seconds"_s, u"1"_s, u"--rate"_s, u"8000"_s}, u"wav"_s, {}},
        {"render", {u"--seconds"_s, u"1"_s}, u"flac"_s, u".flac"_s},
        {"export", {}, u"sbg"_s, {}},
        {"export", {}, u"gnaural"_s, u"x.gnaural"_s},
        {"timeline", {u"--width"_s, u"300"_s}, u"png"_s, {}},
        {"graph", {u"--mode"_s, u"time"_s, u"--width"_s, u"200"_s, u"--height"_s, u"100"_s, u"--with-scale"_s},
         u"png"_s, {}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.command);
        const QString out = folder.filePath(u"out "_s + c.extension);
        const QStringList output = c.output.isEmpty() ? QStringList() : QStringList{u"-o"_s, c.output};
        const CliRun batch =
            runCli(QStringList{QString::fromLatin1(c.command), inputs, u"-d"_s, out} + c.options + output);
        const CliRun alone = runCli(QStringList{QString::fromLatin1(c.command), inputs + u"/new_pulsed.LSS"_s}
                                    + c.options + QStringList{u"-o"_s, folder.filePath(u"alone."_s + c.extension)});
        ASSERT_LE(alone.exitCode, 1);
        EXPECT_EQ(batch.exitCode, alone.exitCode) << batch.err;
        const QStringList written = QDir(out).entryList(QDir::Files);
        EXPECT_EQ(written, (QStringList{u"described."_s, u"new_dual."_s, u"new_pulsed."_s}.replaceInStrings(
                               u"."_s, u"."_s + c.extension)));
        EXPECT_EQ(readFileBytes(out + u"/new_pulsed."_s + c.extension),
                  readFileBytes(folder.filePath(u"alone."_s + c.extension)));
    }
    // Without -d each output lands beside its input.
    const QString schedules = folder.filePath(u"schedules"_s);
    ASSERT_TRUE(QDir().mkpath(schedules));
    for (const QString &name : {u"chord.sbg"_s, u"dual.sbg"_s})
        ASSERT_TRUE(QFile::copy(testDataPath(u"exchange/"_s + name), schedules + u'/' + name));
    const CliRun imported = runCli({u"import"_s, schedules, u"-j"_s, u"2"_s});
    const CliRun alone = runCli({u"import"_s, schedules + u"/dual.sbg"_s, u"-o"_s, folder.filePath(u"dual.LSS"_s)});
    EXPECT_EQ(imported.exitCode, alone.exitCode);
    EXPECT_EQ(QDir(schedules).entryList({u"*.LSS"_s}), (QStringList{u"chord.LSS"_s, u"dual.LSS"_s}));
    EXPECT_EQ(readFileBytes(schedules + u"/dual.LSS"_s), readFileBytes(folder.filePath(u"dual.LSS"_s)));
}

TEST(CliBatch, WrongUseIsSaidOnce)
{
    QTemporaryDir folder;
    const QString empty = folder.filePath(u"empty"_s);
    ASSERT_TRUE(QDir().mkpath(empty));
    const QString described = testDataPath(u"described.LSS"_s);
    const struct
    {
        const char *name;
        QStringList arguments;
        int exitCode;
        QString err;
    } cases[] = {
        {"no jobs", {u"info"_s, u"-j"_s, u"0"_s, described}, 2, u"usage: mirandel-cli info FILE\n"_s},
        {"a folder for a command without outputs", {u"check"_s, u"-d"_s, empty, described}, 2,
         u"usage: mirandel-cli check FILE\n"_s},
        {"an unknown option", {u"info"_s, u"--what"_s, described, described}, 2, u"usage: mirandel-cli info FILE\n"_s},
        {"a folder without sessions", {u"check"_s, empty}, 1,
         u"mirandel-cli: %1 holds no .lss files\n"_s.arg(empty)},
        {"two files, one output", {u"export"_s, described, described, u"-d"_s, empty}, 2,
         u"usage: mirandel-cli export IN.LSS -o OUT.sbg|OUT.gnaural [--strict]\n"_s},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const CliRun run = runCli(c.arguments);
        EXPECT_EQ(run.exitCode, c.exitCode);
        EXPECT_TRUE(run.out.isEmpty());
        EXPECT_EQ(run.err, c.err);
    }
    EXPECT_TRUE(QDir(empty).isEmpty());
}

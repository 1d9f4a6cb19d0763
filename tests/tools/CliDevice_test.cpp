#include "CliProcess.h"
#include "DefaultSegments.h"
#include "DevsimProcess.h"
#include "TestSupport.h"

#include "core/files/SessionFileWriter.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

TEST(CliDevice, IdentifyPrintsTheDeviceLine)
{
    DevsimProcess devsim({u"--model"_s, u"T"_s, u"--revision"_s, u"31"_s, u"--sessions"_s, u"4"_s});
    const CliRun run = runCli({u"identify"_s, u"--device"_s, devsim.devicePath()});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, u"Calidor, rev 3.1 has 4 sessions and 1000 segments available\n"_s);
    EXPECT_TRUE(run.err.isEmpty()) << run.err;
}

TEST(CliDevice, FailuresGoToStderrWithExitStatusOne)
{
    DevsimProcess silent({u"--fault"_s, u"silent"_s});
    const QString file = testDataPath(u"new_pulsed.LSS"_s);
    struct Case
    {
        QStringList arguments;
        QString err;
    } const cases[] = {
        {{u"identify"_s, u"--device"_s, silent.devicePath()}, u"System not found.\n"_s},
        {{u"identify"_s, u"--port"_s, u"0"_s}, u"No COM port is selected\n"_s},
        {{u"download"_s, file, u"--port"_s, u"0"_s}, u"No COM port is selected\nDownload aborted\n"_s},
        {{u"download"_s, file, u"--device"_s, missingDevicePath()},
         u"COM port could not be opened\nDownload aborted\n"_s},
    };
    for (const Case &c : cases) {
        const CliRun run = runCli(c.arguments);
        EXPECT_EQ(run.exitCode, 1) << c.arguments.join(u' ');
        EXPECT_EQ(run.err, c.err) << c.arguments.join(u' ');
        EXPECT_TRUE(run.out.isEmpty()) << c.arguments.join(u' ');
    }
}

TEST(CliDevice, ClearDownloadSendsTheSessionFile)
{
    DevsimProcess devsim;
    const CliRun run =
        runCli({u"download"_s, testDataPath(u"new_pulsed.LSS"_s), u"--device"_s, devsim.devicePath(), u"--clear"_s});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_TRUE(run.err.isEmpty()) << run.err;
    EXPECT_EQ(run.out, u"downloaded 1 segments (17 bytes)\n"_s);
    EXPECT_EQ(devsim.nextReport(u"download"_s).value(u"bytes"_s).toString(), u"00010100000000000d00771813001b80b4"_s);
}

TEST(CliDevice, ADeviceThatHangsUpAfterTheWholeBlockHasIt)
{
    // Long enough that the line drops with most of it still to send.
    QTemporaryDir dir;
    const QString longFile = dir.filePath(u"long.LSS"_s);
    writeFileBytes(longFile, sessionFileBytes(sessionOfDefaultSegments(PulsedSession, 40)));
    const struct
    {
        const char *fault;
        QString file;
        int exitCode;
        QString out;
        QString err;
    } cases[] = {
        {"hangup-after-download", testDataPath(u"new_pulsed.LSS"_s), 0, u"downloaded 1 segments (17 bytes)\n"_s, QString()},
        {"hangup-in-download", longFile, 1, QString(),
         u"Download incomplete: the COM port stopped sending\nDownload aborted\n"_s},
    };
    for (const auto &c : cases) {
        DevsimProcess devsim({u"--fault"_s, QString::fromLatin1(c.fault)});
        const CliRun run = runCli({u"download"_s, c.file, u"--device"_s, devsim.devicePath(), u"--clear"_s});
        EXPECT_EQ(run.exitCode, c.exitCode) << c.fault;
        EXPECT_EQ(run.out, c.out) << c.fault;
        EXPECT_EQ(run.err, c.err) << c.fault;
    }
}

TEST(CliDevice, PortNumberGoesThroughThePortsSectionBesideTheProgram)
{
    DevsimProcess devsim;
    QTemporaryDir dir;
    const QString program = dir.filePath(u"mirandel-cli"_s);
    ASSERT_TRUE(QFile::copy(builtProgramPath(u"mirandel-cli"_s), program));
    QFile ini(dir.filePath(u"MIRANDEL.INI"_s));
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.write("[Ports]\nCOM3=" + devsim.devicePath().toLocal8Bit() + "\n");
    ini.close();
    const CliRun run = runCli({u"identify"_s, u"--port"_s, u"3"_s}, program);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, u"Ambrion, rev 2.3 has 10 sessions and 1000 segments available\n"_s);
}

TEST(CliDevice, MisusedOptionsAreUsageErrors)
{
    const QStringList misuses[] = {
        {u"identify"_s},
        {u"identify"_s, u"--port"_s, u"1"_s, u"--device"_s, missingDevicePath()},
        {u"identify"_s, u"--port"_s, u"5"_s},
        {u"identify"_s, u"--port"_s, u"one"_s},
        {u"identify"_s, u"--device"_s},
        {u"download"_s, u"--device"_s, missingDevicePath()},
        {u"download"_s, u"a.LSS"_s, u"b.LSS"_s, u"--device"_s, missingDevicePath()},
    };
    for (const QStringList &arguments : misuses) {
        const CliRun run = runCli(arguments);
        EXPECT_EQ(run.exitCode, 2) << arguments.join(u' ');
        EXPECT_TRUE(run.err.startsWith(u"usage: mirandel-cli "_s)) << run.err;
    }
}

TEST(CliDevice, AFileReadWithFormatErrorsIsSentOnlyWithForce)
{
    DevsimProcess devsim;
    const QStringList download{u"download"_s, testDataPath(u"format_errors.LSS"_s), u"--device"_s, devsim.devicePath()};
    const CliRun refused = runCli(download);
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_TRUE(refused.errLines().value(2).startsWith(u"mirandel-cli: \""_s)) << refused.err;
    EXPECT_TRUE(devsim.reports(300).isEmpty());
    const CliRun forced = runCli(download + QStringList{u"--force"_s});
    EXPECT_EQ(forced.exitCode, 0) << forced.err;
    EXPECT_EQ(forced.out, u"downloaded 2 segments (25 bytes)\n"_s);
}

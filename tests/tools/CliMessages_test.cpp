// What the command-line programs tell when they refuse, fail or change what
// was asked.
#include "CliProcess.h"
#include "DevsimProcess.h"
#include "TestSupport.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

namespace {
// What mirandel-cli writes to stderr when that is a terminal, as in a shell.
QString stderrAtTerminal(const QStringList &arguments)
{
    const int terminal = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (terminal < 0 || ::grantpt(terminal) != 0 || ::unlockpt(terminal) != 0)
        return u"no pseudo-terminal"_s;
    QProcess process;
    process.setStandardErrorFile(QString::fromLocal8Bit(::ptsname(terminal)));
    process.start(builtProgramPath(u"mirandel-cli"_s), arguments);
    process.waitForFinished(30000);
    ::fcntl(terminal, F_SETFL, O_NONBLOCK);
    QByteArray bytes;
    char buffer[4096];
    for (ssize_t n; (n = ::read(terminal, buffer, sizeof buffer)) > 0;)
        bytes.append(buffer, n);
    ::close(terminal);
    return QString::fromUtf8(bytes).remove(u'\r');
}
} // namespace

TEST(CliMessages, RefusalsAndFailuresNameTheirReason)
{
    // COM 2 leads to a device that never answers, the other ports nowhere.
    DevsimProcess silent({u"--fault"_s, u"silent"_s});
    QTemporaryDir dir;
    const QString cli = dir.filePath(u"mirandel-cli"_s);
    ASSERT_TRUE(QFile::copy(builtProgramPath(u"mirandel-cli"_s), cli));
    writeFileBytes(dir.filePath(u"MIRANDEL.INI"_s),
                   u"[Ports]\nCOM1=%1\nCOM2=%2\nCOM3=%3\nCOM4=%4\n"_s
                       .arg(missingDevicePath(1), silent.devicePath(), missingDevicePath(3), missingDevicePath(4))
                       .toLocal8Bit());
    const QString session = testDataPath(u"new_pulsed.LSS"_s);
    const QString aiff = dir.filePath(u"x.aiff"_s);
    const QString cannotOpen = u"COM port could not be opened"_s;
    const QString noSuchDevice = missingDevicePath(3) + u": No such file or directory"_s;
    const struct
    {
        const char *name;
        QString program;
        QStringList arguments;
        int exitCode;
        QStringList out; // its first lines
        QStringList err;
    } cases[] = {
        {"render to a refused extension", cli, {u"render"_s, session, u"-o"_s, aiff}, 2, {},
         {u"usage: mirandel-cli render FILE -o OUT [--rate HZ] [--from SEGMENT] [--seconds S] [--loudness LUFS] "
          u"[--flac-level N] [--bitrate KBPS] [--noise KIND:LEVEL] [--bed FILE[:GAIN_DB[:loop]]]..."_s,
          u"mirandel-cli: render writes .wav, .flac, .ogg or .mp3 files, not \"%1\""_s.arg(aiff)}},
        {"identify on a port that cannot be opened", cli, {u"identify"_s, u"--port"_s, u"3"_s}, 1, {},
         {cannotOpen, noSuchDevice}},
        {"download to a port that cannot be opened", cli, {u"download"_s, session, u"--port"_s, u"3"_s}, 1, {},
         {cannotOpen, noSuchDevice, u"Download aborted"_s}},
        {"identify on a port where nothing answers", cli, {u"identify"_s, u"--port"_s, u"2"_s}, 1, {},
         {u"System not found."_s, silent.devicePath() + u": no answer to the identification request"_s}},
        {"ports", cli, {u"ports"_s}, 0,
         {u"COM1\t%1\tnot found"_s.arg(missingDevicePath(1)), u"COM2\t"_s + silent.devicePath(),
          u"COM3\t%1\tnot found"_s.arg(missingDevicePath(3)), u"COM4\t%1\tnot found"_s.arg(missingDevicePath(4))},
         {}},
        {"the program's help, without a window", builtProgramPath(u"mirandel"_s), {u"--help"_s}, 0,
         {u"usage: mirandel [FILE.LSS]"_s}, {}},
        {"new onto a full disk", cli, {u"new"_s, u"-o"_s, u"/dev/full"_s}, 1, {},
         {u"Stream write error"_s, u"/dev/full could not be written: No space left on device"_s}},
        {"import onto a full disk", cli,
         {u"import"_s, testDataPath(u"exchange/basic_binaural.sbg"_s), u"-o"_s, u"/dev/full"_s}, 1, {},
         // The carrier is the centre between the ears: 150 with a beat of 6 is a pitch of 147.
         {u"warning\t1\t4\tsegments 1\u20132: pitch rounded to the list: 147 \u2192 144"_s, u"Stream write error"_s, u"/dev/full could not be written: No space left on device"_s}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const CliRun run = runCli(c.arguments, c.program);
        EXPECT_EQ(run.exitCode, c.exitCode);
        EXPECT_EQ(run.outLines().mid(0, c.out.size()), c.out);
        EXPECT_EQ(run.errLines(), c.err);
    }
}

// In a pipe stderr stays clean (the bare environment's run shows it).
TEST(CliMessages, GraphTellsATerminalThatThePictureIsNotTheSizeAskedFor)
{
    QTemporaryDir dir;
    const QString png = dir.filePath(u"time.png"_s);
    EXPECT_EQ(stderrAtTerminal({u"graph"_s, testDataPath(u"described.LSS"_s), u"--mode"_s, u"time"_s, u"--width"_s,
                                u"1000"_s, u"--height"_s, u"450"_s, u"-o"_s, png}),
              u"mirandel-cli: %1 is 542 x 413 pixels, the graph as a scroll box of 1000 x 450 shows it: as high as "
              u"whole frequency steps fit, as wide as the session\n"_s.arg(png));
}

// A full disk shows only when the buffered output is flushed at the end.
TEST(CliMessages, OutputThatCouldNotBeWrittenFailsTheCommand)
{
    const QString session = testDataPath(u"described.LSS"_s);
    const QList<QStringList> commands{{u"cells"_s, session},       {u"info"_s, session},
                                      {u"timing"_s, session, u"1"_s}, {u"listing"_s, session},
                                      {u"templates"_s},             {u"--help"_s}};
    for (const QStringList &arguments : commands) {
        SCOPED_TRACE(arguments.join(u' ').toStdString());
        QProcess process;
        process.setStandardOutputFile(u"/dev/full"_s);
        process.start(builtProgramPath(u"mirandel-cli"_s), arguments);
        ASSERT_TRUE(process.waitForFinished(30000));
        EXPECT_EQ(process.exitCode(), 1);
        EXPECT_EQ(QString::fromUtf8(process.readAllStandardError()),
                  u"mirandel-cli: the output could not be written: No space left on device\n"_s);
    }
}

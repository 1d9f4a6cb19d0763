// The programs run from cron, CI or a root shell: no XDG_RUNTIME_DIR, no
// HOME, no DISPLAY. Their stderr holds only their own messages.
#include "TestSupport.h"

#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {
struct BareRun
{
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

BareRun runBare(const QString &program, const QStringList &arguments)
{
    QProcess process;
    QProcessEnvironment bare;
    bare.insert(u"PATH"_s, u"/usr/bin:/bin"_s);
    process.setProcessEnvironment(bare);
    process.start(builtProgramPath(program), arguments);
    const bool finished = process.waitForFinished(30000);
    return {finished && process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardOutput(), process.readAllStandardError()};
}
} // namespace

TEST(BareEnvironment, ProgramsPrintOnlyTheirOwnLines)
{
    QTemporaryDir folder;
    const QString picture = folder.filePath(u"graph.png"_s);
    const QString session = testDataPath(u"described.LSS"_s);
    const struct
    {
        const char *name;
        QString program;
        QStringList arguments;
        QByteArray out;
    } cases[] = {
        {"info", u"mirandel-cli"_s, {u"info"_s, session},
         "name: Caf\xc3\xa9 \xe2\x82\xac \xe2\x80\x9cTheta\xe2\x80\x9d\nkind: Pulsed/Binaural Beats\nsegments: 3\n"
         "total: Session total time 6:30\nseconds: 390\n"},
        {"graph", u"mirandel-cli"_s,
         {u"graph"_s, session, u"--mode"_s, u"time"_s, u"--width"_s, u"500"_s, u"--height"_s, u"400"_s, u"-o"_s,
          picture},
         ""},
        {"the tool's version", u"mirandel-cli"_s, {u"--version"_s}, "Mirandel 2.0\n"},
        {"the program's version", u"mirandel"_s, {u"--version"_s}, "Mirandel 2.0\n"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const BareRun run = runBare(c.program, c.arguments);
        EXPECT_EQ(run.exitCode, 0);
        EXPECT_EQ(run.out, c.out);
        EXPECT_EQ(run.err, QByteArray());
    }
    EXPECT_FALSE(QImage(picture).isNull());
}

#include "CliProcess.h"
#include "SessionFileFolder.h"
#include "DefaultSegments.h"
#include "TestSupport.h"

#include <algorithm>
#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {
Session withCell(Session session, int column, int row, const QString &text)
{
    session.cells.setCell(column, row, text);
    return session;
}

class EncodeCommand : public ::testing::Test
{
protected:
    QString writeSession(const Session &session) { return mFolder.write(session); }

    CliRun encode(const QStringList &arguments) { return runCli(QStringList{u"encode"_s} + arguments); }

    SessionFileFolder mFolder;
};
} // namespace

TEST_F(EncodeCommand, PrintsTheHeaderRecordsAndChecksumOfADownload)
{
    const QString pulsed = writeSession(sessionOfDefaultSegments(PulsedSession, 1));
    const QString dual = writeSession(sessionOfDefaultSegments(DualBinauralSession, 2));
    const struct {
        QStringList arguments;
        const char *out;
    } cases[] = {
        {{pulsed, u"--clear"_s}, "0 1 1 0 0 0 0 0\n13 0 119 24 19 0 27 128\n180\n"},
        {{pulsed}, "0 2 1 0 0 0 0 0\n13 0 119 24 19 0 27 128\n179\n"},
        {{u"--model"_s, u"calidor"_s, pulsed}, "0 2 2 0 0 0 0 0\n13 0 119 24 19 0 27 128\n178\n"},
        {{dual, u"--model"_s, u"ambrion"_s, u"--clear"_s},
         "0 1 1 0 0 0 0 0\n173 0 119 24 19 29 27 34\n173 0 119 24 19 29 27 162\n44\n"},
    };
    for (const auto &c : cases) {
        const CliRun run = encode(c.arguments);
        EXPECT_EQ(run.exitCode, 0) << c.arguments.join(u' ');
        EXPECT_EQ(run.out, QString::fromLatin1(c.out)) << c.arguments.join(u' ');
        EXPECT_TRUE(run.err.isEmpty()) << c.arguments.join(u' ');
    }
}

TEST_F(EncodeCommand, SessionsThatCannotBeSentPrintNothing)
{
    const struct {
        const char *what;
        Session session;
        const char *err;
        int exitCode;
        int lines; // of stdout
    } cases[] = {
        {"250 segments", sessionOfDefaultSegments(PulsedSession, 250), "", 0, 252},
        {"251 segments", sessionOfDefaultSegments(PulsedSession, 251),
         "Session has 251 segments; a download holds 1 to 250\n", 1, 0},
        {"unmatched chord", sessionOfDefaultSegments(PulsedSession, 2, {{ToneRow, u"PCh"_s}, {ChordRow, u"10"_s}}),
         "No match segment 1 chord\nNo match segment 2 chord\n", 1, 0},
        {"out-of-group tone is only a warning", withCell(sessionOfDefaultSegments(PulsedSession, 2), 1, 2, u"bbS"_s),
         "Tone group change segment 2\n", 0, 4},
        {"loop segs not a number", sessionOfDefaultSegments(PulsedSession, 1, {{LoopSegsRow, u"x"_s}}),
         "'x' is not a valid integer value\n", 1, 0},
    };
    for (const auto &c : cases) {
        const CliRun run = encode({writeSession(c.session)});
        EXPECT_EQ(run.exitCode, c.exitCode) << c.what;
        // Reading the file may have reported the same fault already.
        const QString err = QString::fromLatin1(c.err);
        EXPECT_TRUE(err.isEmpty() || run.err.endsWith(err)) << c.what << ": " << run.err;
        EXPECT_EQ(run.outLines().size(), c.lines) << c.what;
    }
}

TEST_F(EncodeCommand, RefusesArgumentsOutsideItsUsage)
{
    const QString file = writeSession(sessionOfDefaultSegments(PulsedSession, 1));
    const QStringList usages[] = {
        {},
        {u"--clear"_s},
        {file, file},
        {file, u"--model"_s},
        {file, u"--model"_s, u"other"_s},
        {file, u"--append"_s},
    };
    for (const QStringList &arguments : usages) {
        const CliRun run = encode(arguments);
        EXPECT_EQ(run.exitCode, 2) << arguments.join(u' ');
        EXPECT_TRUE(run.out.isEmpty()) << arguments.join(u' ');
        EXPECT_EQ(run.err, u"usage: mirandel-cli encode FILE [--clear] [--model ambrion|calidor]\n"_s);
    }
    const CliRun missing = encode({mFolder.filePath(u"missing.LSS"_s)});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_TRUE(missing.out.isEmpty());
}

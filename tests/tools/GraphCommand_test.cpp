#include "CliProcess.h"
#include "DefaultSegments.h"
#include "RecordingView.h"
#include "ScriptedPrompter.h"
#include "SessionFileFolder.h"
#include "TestSupport.h"

#include "core/files/SessionFileReader.h"
#include "core/session/SessionContext.h"
#include "core/session/SessionDocument.h"
#include "gui/graph/GraphDrawing.h"
#include "gui/graph/GraphGeometry.h"

#include <QFile>
#include <QImage>
#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {
const QString Usage =
    QStringLiteral("usage: mirandel-cli graph FILE --mode segments|time --width W --height H [--with-scale] -o OUT.png\n");

class GraphCommand : public ::testing::Test
{
protected:
    QString writeSession(const Session &session) { return mFolder.write(session); }

    CliRun graph(const QStringList &arguments) { return runCli(QStringList{u"graph"_s} + arguments); }

    QString output(const QString &name) const { return mFolder.filePath(name); }

    SessionFileFolder mFolder;
};

// Ramps, a loop played three times, a dual ramp from the previous segment.
Session showcase()
{
    Session session = sessionOfDefaultSegments(PulsedSession, 4);
    session.name = u"showcase"_s;
    SessionGrid &cells = session.cells;
    cells.setCell(0, TargetFreqRow, u"12.0"_s);
    cells.setCell(1, StartFreqRow, u"20.0"_s);
    cells.setCell(1, LoopSegsRow, u"2"_s);
    cells.setCell(1, LoopTimesRow, u"3"_s);
    cells.setCell(2, LoopTimesRow, u"3"_s);
    cells.setCell(2, StartFreqRow, u"4.0"_s);
    cells.setCell(3, TimeRow, u"5:00.0"_s);
    return session;
}
} // namespace

TEST_F(GraphCommand, WritesTheBitmapTheWindowWouldShow)
{
    const QString file = writeSession(showcase());
    // The session as Open reads it, total time included.
    ScriptedPrompter prompter;
    SessionDocument document;
    RecordingView view(document);
    ASSERT_TRUE(readSessionFile(SessionContext{document, prompter, view}, file));
    const Session &opened = document.session();
    ASSERT_GT(view.timing().totalSeconds(), 0);

    const struct
    {
        const char *mode;
        GraphKind kind;
        int width;
        int height;
    } cases[] = {{"segments", GraphKind::Segment, 1000, 450}, {"time", GraphKind::Time, 700, 300}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.mode);
        const QString png = output(QString::fromLatin1(c.mode) + u".png"_s);
        const CliRun run = graph({file, u"--mode"_s, QString::fromLatin1(c.mode), u"--width"_s,
                               QString::number(c.width), u"--height"_s, QString::number(c.height), u"-o"_s, png});
        EXPECT_EQ(run.exitCode, 0);
        EXPECT_TRUE(run.out.isEmpty());
        const QImage written(png);
        const GraphDrawing expected =
            drawGraph(opened.cells, c.kind, opened.name, view.timing().totalSeconds(), c.width, c.height);
        ASSERT_FALSE(written.isNull());
        EXPECT_EQ(written.convertToFormat(QImage::Format_RGB32), expected.bitmap.convertToFormat(QImage::Format_RGB32));
    }
}

TEST_F(GraphCommand, WithScaleAddsTheScaleStripBesideTheSameBitmap)
{
    const Session session = showcase();
    const QString file = writeSession(session);
    const QString plain = output(u"plain.png"_s);
    const QString scaled = output(u"scaled.png"_s);
    const QStringList common{file, u"--mode"_s, u"segments"_s, u"--width"_s, u"900"_s, u"--height"_s, u"450"_s};
    ASSERT_EQ(graph(common + QStringList{u"-o"_s, plain}).exitCode, 0);
    ASSERT_EQ(graph(common + QStringList{u"--with-scale"_s, u"-o"_s, scaled}).exitCode, 0);
    const QImage bitmap = QImage(plain).convertToFormat(QImage::Format_RGB32);
    const QImage picture = QImage(scaled).convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(picture.width(), bitmap.width() + 30);
    EXPECT_EQ(picture.copy(30, 0, bitmap.width(), bitmap.height()), bitmap);
    const GraphGeometry geometry(900, 450);
    EXPECT_EQ(picture.pixel(20, geometry.frequencyY(160)), qRgb(0, 0, 0));
}

TEST_F(GraphCommand, RefusesArgumentsOutsideItsUsage)
{
    const QString file = writeSession(sessionOfDefaultSegments(PulsedSession, 1));
    const QString png = output(u"out.png"_s);
    const QStringList complete{file, u"--mode"_s, u"time"_s, u"--width"_s, u"800"_s, u"--height"_s, u"450"_s,
                               u"-o"_s, png};
    const auto without = [&](int index, int count) {
        QStringList arguments = complete;
        arguments.remove(index, count);
        return arguments;
    };
    const auto replacing = [&](int index, const QString &text) {
        QStringList arguments = complete;
        arguments[index] = text;
        return arguments;
    };
    const QStringList usages[] = {
        {},           without(0, 1),        without(1, 2),          without(3, 2),        without(5, 2),
        without(7, 2), replacing(2, u"minutes"_s), replacing(4, u"0"_s), replacing(6, u"-450"_s),
        replacing(4, u"8x"_s), replacing(4, u"16385"_s), replacing(6, u"100000"_s), complete + QStringList{file}, complete + QStringList{u"--mode"_s, u"time"_s},
        complete + QStringList{u"--scale"_s}, complete + QStringList{u"--with-scale"_s, u"--with-scale"_s},
    };
    for (const QStringList &arguments : usages) {
        const CliRun run = graph(arguments);
        EXPECT_EQ(run.exitCode, 2) << arguments.join(u' ');
        EXPECT_EQ(run.err, Usage) << arguments.join(u' ');
    }
    EXPECT_FALSE(QFile::exists(png));
}

TEST_F(GraphCommand, FailuresWriteNoPicture)
{
    const QString good = writeSession(sessionOfDefaultSegments(PulsedSession, 2));
    const QString badLoop = writeSession(sessionOfDefaultSegments(PulsedSession, 2, {{LoopSegsRow, u"x"_s}}));
    const QString png = output(u"out.png"_s);
    const struct
    {
        const char *what;
        QString file;
        QString output;
        QString errEnd;
    } cases[] = {
        {"missing file", output(u"missing.LSS"_s), png, QString()},
        {"loop segs not a number", badLoop, png, u"'x' is not a valid integer value\n"_s},
        {"output folder missing", good, output(u"no/such/folder/out.png"_s),
         u"mirandel-cli: cannot write "_s + output(u"no/such/folder/out.png"_s) + u"\n"_s},
    };
    for (const auto &c : cases) {
        const CliRun run = graph({c.file, u"--mode"_s, u"time"_s, u"--width"_s, u"800"_s, u"--height"_s, u"450"_s,
                               u"-o"_s, c.output});
        EXPECT_EQ(run.exitCode, 1) << c.what;
        EXPECT_FALSE(run.err.isEmpty()) << c.what;
        EXPECT_TRUE(c.errEnd.isEmpty() || run.err.endsWith(c.errEnd))
            << c.what << ": " << run.err;
        EXPECT_FALSE(QFile::exists(c.output)) << c.what;
    }
}

// mirandel-cli on many files in one call against a call per file, and the
// picture commands' cost, each iteration running the program and its
// reference side by side. Wall times suffer from whatever else the machine
// runs; the CPU times much less.
#include "support/ChildRun.h"
#include "support/SilentPrompter.h"

#include "core/files/SessionFileWriter.h"
#include "core/session/NewSession.h"
#include "core/session/Session.h"
#include "gui/graph/PngWriter.h"
#include "gui/timeline/TimelinePicture.h"

#include <QBuffer>
#include <QDir>
#include <QImageWriter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace Qt::Literals::StringLiterals;

namespace {
// A pulsed session of `segments` one-minute segments, the beat walking.
Session sessionOf(int segments)
{
    Session session;
    session.name = u"bench"_s;
    session.cells.setColumnCount(segments);
    for (int c = 0; c < segments; ++c) {
        SessionGrid::Column column = newSessionColumn(PulsedSession);
        column[SegmentNumberRow] = QString::number(c + 1);
        column[TargetFreqRow] = QString::number(4 + c % 20) + u".0"_s;
        session.cells.setColumn(c, column);
    }
    return session;
}

QString writeSession(Session session, const QString &path)
{
    SilentPrompter prompter;
    session.fileName = path;
    writeSessionFile(session, prompter);
    return path;
}

std::string cli()
{
    return binPath("mirandel-cli");
}

// Both runs of an iteration with their figures as counters: `single` the
// reference, `batch` what is compared with it.
struct Pair
{
    double singleWall = 0, singleCpu = 0, batchWall = 0, batchCpu = 0;

    void report(benchmark::State &state) const
    {
        const double runs = double(state.iterations());
        state.counters["single_ms"] = 1000 * singleWall / runs;
        state.counters["single_cpu_ms"] = 1000 * singleCpu / runs;
        state.counters["batch_ms"] = 1000 * batchWall / runs;
        state.counters["batch_cpu_ms"] = 1000 * batchCpu / runs;
        state.counters["wall_ratio"] = batchWall / singleWall;
    }
};

// One call checking 1000 files against one call checking one of them.
void checkThousandFilesVsOne(benchmark::State &state)
{
    QTemporaryDir folder;
    const QString many = folder.filePath(u"many"_s);
    QDir().mkpath(many);
    for (int i = 0; i < 1000; ++i)
        writeSession(sessionOf(1 + i % 30), many + u"/s%1.LSS"_s.arg(i));
    const std::string one = (many + u"/s7.LSS"_s).toStdString();
    Pair pair;
    for (auto _ : state) {
        const ChildRun single = runChild({cli(), "check", one});
        const ChildRun batch = runChild({cli(), "check", many.toStdString()});
        if (!single.succeeded || !batch.succeeded)
            state.SkipWithError("check failed");
        pair.singleWall += single.wallSeconds;
        pair.singleCpu += single.cpuSeconds;
        pair.batchWall += batch.wallSeconds;
        pair.batchCpu += batch.cpuSeconds;
        state.SetIterationTime(batch.wallSeconds);
    }
    pair.report(state);
}
BENCHMARK(checkThousandFilesVsOne)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

// Eight ten-minute sessions to WAV: eight calls one after another against
// one call; "speedup" is the batch's throughput over the single calls'.
void renderEightInOneCallVsEightCalls(benchmark::State &state)
{
    QTemporaryDir folder;
    const QString sessions = folder.filePath(u"sessions"_s);
    QDir().mkpath(sessions);
    std::vector<std::string> files;
    for (int i = 0; i < 8; ++i)
        files.push_back(writeSession(sessionOf(10), sessions + u"/s%1.LSS"_s.arg(i)).toStdString());
    const std::string out = folder.filePath(u"out"_s).toStdString();
    Pair pair;
    for (auto _ : state) {
        for (const std::string &file : files) {
            const ChildRun single = runChild({cli(), "render", file, "-o", out + ".wav"});
            pair.singleWall += single.wallSeconds;
            pair.singleCpu += single.cpuSeconds;
        }
        const ChildRun batch = runChild({cli(), "render", sessions.toStdString(), "-d", out});
        if (!batch.succeeded)
            state.SkipWithError("render failed");
        pair.batchWall += batch.wallSeconds;
        pair.batchCpu += batch.cpuSeconds;
        state.SetIterationTime(batch.wallSeconds);
    }
    pair.report(state);
    state.counters["speedup"] = pair.singleWall / pair.batchWall;
}
BENCHMARK(renderEightInOneCallVsEightCalls)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);

// The segment graph of 1000 segments as a PNG, CPU time of the whole call,
// against a bare GUI application's start.
void graphOfThousandSegments(benchmark::State &state)
{
    QTemporaryDir folder;
    const std::string file = writeSession(sessionOf(1000), folder.filePath(u"long.LSS"_s)).toStdString();
    const std::string png = folder.filePath(u"graph.png"_s).toStdString();
    qputenv("QT_QPA_PLATFORM", "offscreen");
    double referenceCpu = 0;
    double programCpu = 0;
    for (auto _ : state) {
        const ChildRun reference = runChild({binPath("bench_bare_gui")});
        const ChildRun program =
            runChild({cli(), "graph", file, "--mode", "segments", "--width", "1000", "--height", "450", "-o", png});
        if (!reference.succeeded || !program.succeeded)
            state.SkipWithError("a program failed");
        referenceCpu += reference.cpuSeconds;
        programCpu += program.cpuSeconds;
        state.SetIterationTime(program.cpuSeconds);
    }
    state.counters["bare_gui_cpu_ms"] = 1000 * referenceCpu / double(state.iterations());
    state.counters["graph_cpu_ms"] = 1000 * programCpu / double(state.iterations());
}
BENCHMARK(graphOfThousandSegments)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

QByteArray qtPng(const QImage &image)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    writer.setCompression(11); // zlib level 1, as the pictures were written
    writer.write(image);
    return buffer.data();
}

// The timeline command's picture, painted and made a PNG of 1200 x 400:
// with libpng (0) against Qt's writer (1), in one run. Instruction counts,
// which the goal names, come from running this under callgrind.
void timelinePng(benchmark::State &state)
{
    const Session session = sessionOf(40);
    const bool qt = state.range(0) == 1;
    for (auto _ : state) {
        const QImage image = TimelinePicture::image(session, 1200, 400);
        benchmark::DoNotOptimize(qt ? qtPng(image) : PngWriter::png(image));
    }
}
BENCHMARK(timelinePng)->Arg(0)->Arg(1)->ArgName("qt")->Unit(benchmark::kMillisecond)->Repetitions(5)
    ->ReportAggregatesOnly();
} // namespace

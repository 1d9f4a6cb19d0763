// Start-up, measured as separate processes side by side with bare Qt
// programs in one run: the real program to its main window's first paint
// (offscreen) against the bare program that shows the same at start (and that
// one against a bare Qt Widgets window), both also ending at their first paint; "mirandel-cli info" against a bare core
// application and "mirandel-cli graph" against a bare GUI application. Each
// iteration runs both of a pair; the time is the children's CPU time, and
// "ratio" compares the pair.
#include "support/ChildRun.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {
// CPU seconds of one run of the program; negative when it failed.
double runCpuSeconds(const std::vector<std::string> &command)
{
    const ChildRun run = runChild(command);
    return run.succeeded ? run.cpuSeconds : -1;
}

void comparePair(benchmark::State &state, const std::vector<std::string> &reference,
                 const std::vector<std::string> &program)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    double referenceTotal = 0;
    double programTotal = 0;
    for (auto _ : state) {
        const double referenceCpu = runCpuSeconds(reference);
        const double programCpu = runCpuSeconds(program);
        if (referenceCpu < 0 || programCpu < 0) {
            state.SkipWithError("a program failed");
            return;
        }
        referenceTotal += referenceCpu;
        programTotal += programCpu;
        state.SetIterationTime(programCpu);
    }
    const double runs = double(state.iterations());
    state.counters["reference_ms"] = 1000 * referenceTotal / runs;
    state.counters["program_ms"] = 1000 * programTotal / runs;
    state.counters["ratio"] = programTotal / referenceTotal;
}

void programStartVsSameView(benchmark::State &state)
{
    comparePair(state, {binPath("bench_same_view")}, {binPath("mirandel"), "--quit-after-first-paint"});
}
BENCHMARK(programStartVsSameView)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(40);

// What showing the same windows and texts costs a bare Qt program: no start
// of the program can be cheaper.
void sameViewVsBareWindow(benchmark::State &state)
{
    comparePair(state, {binPath("bench_bare_window")}, {binPath("bench_same_view")});
}
BENCHMARK(sameViewVsBareWindow)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(40);

void cliInfoVsBareCore(benchmark::State &state)
{
    comparePair(state, {binPath("bench_bare_core")},
                {binPath("mirandel-cli"), "info", MIRANDEL_BENCH_SESSION});
}
BENCHMARK(cliInfoVsBareCore)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(40);

void cliGraphVsBareGui(benchmark::State &state)
{
    const QTemporaryDir dir;
    comparePair(state, {binPath("bench_bare_gui")},
                {binPath("mirandel-cli"), "graph", MIRANDEL_BENCH_SESSION, "--mode", "time", "--width", "1000",
                 "--height", "450", "-o", dir.filePath(QStringLiteral("time.png")).toStdString()});
}
BENCHMARK(cliGraphVsBareGui)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(40);
} // namespace

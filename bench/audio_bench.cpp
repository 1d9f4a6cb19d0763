#include "audio/AudioExport.h"
#include "audio/SessionSynth.h"
#include "core/session/NewSession.h"
#include "core/session/Session.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <chrono>
#include <fcntl.h>
#include <sys/resource.h>
#include <time.h>
#include <unistd.h>
#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace {
constexpr int Rate = 44100;
constexpr double HourSeconds = 3600;
constexpr qint64 BlockFrames = 65536;

// One hour: sixty one-minute segments of a tone kind, beats ramping.
SessionGrid hourOf(SessionKind kind, const QString &tone)
{
    SessionGrid cells;
    cells.setColumnCount(60);
    for (int c = 0; c < 60; ++c) {
        SessionGrid::Column column = newSessionColumn(kind);
        column[SegmentNumberRow] = QString::number(c + 1);
        column[ToneRow] = tone;
        column[TargetFreqRow] = kind == DualBinauralSession ? u"15.0"_s : u"12.0"_s;
        if (tone == u"PCh"_s)
            column[ChordRow] = u"7"_s;
        if (kind == DualBinauralSession)
            column[DbbRampRow] = u"ramp"_s;
        cells.setColumn(c, column);
    }
    return cells;
}

SessionGrid hourForRange(const benchmark::State &state)
{
    static const struct
    {
        SessionKind kind;
        const char *tone;
    } tones[] = {{PulsedSession, "bb"}, {PulsedSession, "PFr"}, {PulsedSession, "PSu"},
                 {PulsedSession, "PCh"}, {DualBinauralSession, "dbb"}};
    const auto &tone = tones[state.range(0)];
    return hourOf(tone.kind, QString::fromLatin1(tone.tone));
}

// Rendering to memory as the export does, 16-bit samples a large block at
// a time; the counter is how many times faster than real time.
void renderOneHour(benchmark::State &state)
{
    const SessionGrid cells = hourForRange(state);
    std::vector<qint16> block(2 * BlockFrames);
    for (auto _ : state) {
        SessionSynth synth(cells, Rate);
        while (!synth.atEnd())
            synth.render(block.data(), BlockFrames);
        benchmark::DoNotOptimize(block.data());
    }
    state.counters["x_real_time"] = benchmark::Counter(HourSeconds * double(state.iterations()),
                                                       benchmark::Counter::kIsRate);
}
BENCHMARK(renderOneHour)->DenseRange(0, 4)->ArgName("bb_PFr_PSu_PCh_dbb")->Unit(benchmark::kMillisecond)
    ->Iterations(1)->Repetitions(3)->ReportAggregatesOnly();

// The floor for writing a file: the same number of bytes in large plain
// writes, then fsync, as dd with conv=fsync does. Seconds.
double writeFloor(const QString &path, qint64 bytes)
{
    const auto started = std::chrono::steady_clock::now();
    const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    const std::vector<char> block(size_t(1) << 20, 1);
    for (qint64 left = bytes; left > 0 && fd >= 0;) {
        const ssize_t n = ::write(fd, block.data(), size_t(std::min<qint64>(left, qint64(block.size()))));
        if (n <= 0)
            break;
        left -= n;
    }
    ::fsync(fd);
    ::close(fd);
    QFile::remove(path);
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
}

// CPU seconds of the whole process, every thread.
double processCpuSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}

// A whole export of an hour to a file in the same folder, wall time, with
// the process's peak memory and, after each, the floor for the file's bytes
// in the same folder: what the export costs beyond writing them. The CPU
// column is the exporting thread's; process_cpu_ms adds the meter's thread.
struct ExportCase
{
    const char *file;
    LoudnessChoice loudness;
};
const ExportCase ExportCases[] = {
    {"hour.wav", {false, std::nullopt}}, // the reference: the file alone
    {"hour.wav", {true, std::nullopt}},  // measured, as the window and render do
    {"hour.wav", {true, -23.0}},         // normalised: measured in a pass of its own, then written
    {"hour.flac", {false, std::nullopt}},
    {"hour.flac", {true, std::nullopt}},
    {"hour.mp3", {false, std::nullopt}},
    {"hour.mp3", {true, std::nullopt}},
};

void exportOneHour(benchmark::State &state)
{
    const ExportCase &c = ExportCases[state.range(0)];
    const SessionGrid cells = hourOf(PulsedSession, u"bb"_s);
    QTemporaryDir folder;
    const QString path = folder.filePath(QString::fromLatin1(c.file));
    double floorSeconds = 0;
    double cpuSeconds = 0;
    qint64 bytes = 0;
    for (auto _ : state) {
        SessionSynth synth(cells, Rate);
        const double cpuBefore = processCpuSeconds();
        const AudioExportResult result = exportAudio(synth, path, *audioFileTypeOf(path), {}, c.loudness);
        cpuSeconds += processCpuSeconds() - cpuBefore;
        if (result.outcome != AudioExportResult::Written)
            state.SkipWithError(result.error.toUtf8().constData());
        state.PauseTiming();
        bytes = QFileInfo(path).size();
        floorSeconds += writeFloor(folder.filePath(u"floor"_s), bytes);
        state.ResumeTiming();
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["peak_rss_MB"] = double(usage.ru_maxrss) / 1024;
    state.counters["file_MB"] = double(bytes) / 1e6;
    state.counters["floor_ms"] = 1000 * floorSeconds / double(state.iterations());
    state.counters["process_cpu_ms"] = 1000 * cpuSeconds / double(state.iterations());
    state.counters["x_real_time"] = benchmark::Counter(HourSeconds * double(state.iterations()),
                                                       benchmark::Counter::kIsRate);
}
BENCHMARK(exportOneHour)->DenseRange(0, 6)
    ->ArgName("wav_wavMeasured_wavNormalised_flac_flacMeasured_mp3_mp3Measured")
    ->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1)->Repetitions(3);
} // namespace

#include "audio/AudioExport.h"
#include "audio/SessionSynth.h"
#include "core/session/NewSession.h"
#include "core/session/Session.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace {
constexpr int Rate = 44100;
constexpr double HourSeconds = 3600;

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

// Rendering to memory, one block after another; the counter is how many
// times faster than real time.
void renderOneHour(benchmark::State &state)
{
    const SessionGrid cells = hourForRange(state);
    std::vector<float> block(2 * 4096);
    for (auto _ : state) {
        SessionSynth synth(cells, Rate);
        while (!synth.atEnd())
            synth.render(block.data(), 4096);
        benchmark::DoNotOptimize(block.data());
    }
    state.counters["x_real_time"] = benchmark::Counter(HourSeconds * double(state.iterations()),
                                                       benchmark::Counter::kIsRate);
}
BENCHMARK(renderOneHour)->DenseRange(0, 4)->ArgName("bb_PFr_PSu_PCh_dbb")->Unit(benchmark::kMillisecond)
    ->Iterations(1);

// A whole WAV export, wall time, with the process's peak memory: without
// measuring its loudness (the reference), measured, and normalised (measured
// in a pass of its own, then written).
void exportOneHourWav(benchmark::State &state)
{
    static const LoudnessChoice choices[] = {{false, std::nullopt}, {true, std::nullopt}, {true, -23.0}};
    const SessionGrid cells = hourOf(PulsedSession, u"bb"_s);
    QTemporaryDir folder;
    for (auto _ : state) {
        SessionSynth synth(cells, Rate);
        const AudioExportResult result = exportAudio(synth, folder.filePath(u"hour.wav"_s), AudioFileType::Wav, {},
                                                     choices[state.range(0)]);
        if (result.outcome != AudioExportResult::Written)
            state.SkipWithError(result.error.toUtf8().constData());
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["peak_rss_MB"] = double(usage.ru_maxrss) / 1024;
}
BENCHMARK(exportOneHourWav)->DenseRange(0, 2)->ArgName("unmeasured_measured_normalised")
    ->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1)->Repetitions(3);
} // namespace

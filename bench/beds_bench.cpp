// An hour's export with a three-minute looped MP3 bed, against the same
// export without it and one decoding of the bed, in the same run. Times are
// the process's processor time: on a machine shared with other work, wall
// time mostly tells how busy the others are and how long the disk takes.
#include "audio/AudioExport.h"
#include "audio/SessionSynth.h"
#include "core/session/NewSession.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <ctime>
#include <cmath>
#include <sndfile.h>
#include <sys/resource.h>
#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace {
constexpr int Rate = 44100;
constexpr int BedSeconds = 180;

SessionGrid hour()
{
    SessionGrid cells;
    cells.setColumnCount(60);
    for (int c = 0; c < 60; ++c) {
        SessionGrid::Column column = newSessionColumn(PulsedSession);
        column[SegmentNumberRow] = QString::number(c + 1);
        column[TargetFreqRow] = u"12.0"_s;
        cells.setColumn(c, column);
    }
    return cells;
}

// Three minutes of chords and hiss, as an MP3 made once per run.
const QString &bedFile()
{
    static QTemporaryDir folder;
    static const QString path = [] {
        const QString file = folder.filePath(u"bed.mp3"_s);
        SF_INFO info{};
        info.samplerate = Rate;
        info.channels = 2;
        info.format = SF_FORMAT_MPEG | SF_FORMAT_MPEG_LAYER_III;
        SNDFILE *out = sf_open(QFile::encodeName(file).constData(), SFM_WRITE, &info);
        std::vector<float> block(2 * 4096);
        uint32_t random = 1;
        for (qint64 frame = 0; frame < qint64(BedSeconds) * Rate; frame += 4096) {
            for (int i = 0; i < 4096; ++i) {
                const double t = double(frame + i) / Rate;
                random = random * 1664525u + 1013904223u;
                const float hiss = float(int32_t(random)) * 0x1p-31f * 0.02f;
                const float chord = float(0.1 * (std::sin(2 * M_PI * 220 * t) + std::sin(2 * M_PI * 277.2 * t)
                                                 + std::sin(2 * M_PI * 329.6 * t)));
                block[size_t(2 * i)] = chord + hiss;
                block[size_t(2 * i + 1)] = chord - hiss;
            }
            sf_writef_float(out, block.data(), 4096);
        }
        sf_close(out);
        return file;
    }();
    return path;
}

double processorSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) * 1e-9;
}

double peakMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) / 1024;
}

// The best of the repetitions, which the bed's export is compared with.
double plainSeconds = HUGE_VAL;
double decodeSeconds = HUGE_VAL;
double plainPeakMegabytes = 0;

double exportHour(const BedList &beds)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(u"hour.wav"_s);
    const double started = processorSeconds();
    SessionSynth synth(hour(), Rate);
    synth.setBeds(beds);
    exportAudio(synth, path, AudioFileType::Wav);
    return processorSeconds() - started;
}

// The reference: the window's export of an hour, measured, without beds.
void plainHourExport(benchmark::State &state)
{
    bedFile();
    for (auto _ : state) {
        const double seconds = exportHour({});
        plainSeconds = std::min(plainSeconds, seconds);
        state.SetIterationTime(seconds);
    }
    plainPeakMegabytes = peakMegabytes();
    state.counters["peak_rss_MB"] = plainPeakMegabytes;
}
BENCHMARK(plainHourExport)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3);

// The second reference: decoding the bed once, all of it.
void decodeBedOnce(benchmark::State &state)
{
    std::vector<float> block(2 * 4096);
    for (auto _ : state) {
        const double started = processorSeconds();
        SF_INFO info{};
        SNDFILE *in = sf_open(QFile::encodeName(bedFile()).constData(), SFM_READ, &info);
        while (sf_readf_float(in, block.data(), 4096) > 0) {
        }
        sf_close(in);
        const double seconds = processorSeconds() - started;
        decodeSeconds = std::min(decodeSeconds, seconds);
        state.SetIterationTime(seconds);
    }
}
BENCHMARK(decodeBedOnce)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3);

// The hour with the bed looped under it; over_budget is its time over the
// plain export plus one decoding (at most 1.3), extra_rss_MB its peak memory
// above the plain export's (at most 64).
void hourExportWithLoopedMp3Bed(benchmark::State &state)
{
    Bed bed;
    bed.path = bedFile();
    bed.gain = -12;
    bed.loop = true;
    double best = HUGE_VAL;
    for (auto _ : state) {
        const double seconds = exportHour({bed});
        best = std::min(best, seconds);
        state.SetIterationTime(seconds);
    }
    state.counters["over_budget"] = best / (plainSeconds + decodeSeconds);
    state.counters["extra_rss_MB"] = peakMegabytes() - plainPeakMegabytes;
}
BENCHMARK(hourExportWithLoopedMp3Bed)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3);
} // namespace

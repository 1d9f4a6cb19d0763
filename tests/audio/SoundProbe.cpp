#include "SoundProbe.h"

#include "audio/SessionSynth.h"
#include "core/session/NewSession.h"

#include <QFile>
#include <QString>
#include <sndfile.h>
#include <algorithm>
#include <cmath>

SessionGrid soundSession(std::initializer_list<SoundSegment> segments)
{
    SessionGrid cells;
    cells.setColumnCount(int(segments.size()));
    int column = 0;
    for (const SoundSegment &segment : segments) {
        SessionGrid::Column cellsOf = newSessionColumn(segment.kind);
        cellsOf[0] = QString::number(column + 1);
        for (const auto &[row, text] : segment.cells)
            cellsOf[size_t(row)] = QString::fromLatin1(text);
        cells.setColumn(column++, cellsOf);
    }
    return cells;
}

Ears renderEars(const SessionGrid &cells, int rate, double seconds, int fromColumn)
{
    SessionSynth synth(cells, rate, fromColumn);
    if (seconds >= 0)
        synth.setLimit(std::llround(seconds * rate));
    Ears ears;
    ears.rate = rate;
    std::vector<float> block(2 * 1000);
    while (!synth.atEnd()) {
        const qint64 frames = synth.render(block.data(), 1000);
        for (qint64 i = 0; i < frames; ++i) {
            ears.left.push_back(block[size_t(2 * i)]);
            ears.right.push_back(block[size_t(2 * i + 1)]);
        }
    }
    return ears;
}

Ears readEars(const QString &path)
{
    Ears ears;
    SF_INFO info{};
    SNDFILE *file = sf_open(QFile::encodeName(path).constData(), SFM_READ, &info);
    if (!file)
        return ears;
    ears.rate = info.samplerate;
    std::vector<float> block(size_t(2 * 4096));
    if (info.channels == 2) {
        sf_count_t frames = 0;
        while ((frames = sf_readf_float(file, block.data(), 4096)) > 0) {
            for (sf_count_t i = 0; i < frames; ++i) {
                ears.left.push_back(block[size_t(2 * i)]);
                ears.right.push_back(block[size_t(2 * i + 1)]);
            }
        }
    }
    sf_close(file);
    return ears;
}

namespace {
std::pair<size_t, size_t> stretch(const std::vector<float> &samples, int rate, double from, double to)
{
    const auto first = std::min(samples.size(), size_t(from * rate));
    return {first, std::clamp(size_t(to * rate), first, samples.size())};
}
} // namespace

double strength(const std::vector<float> &samples, int rate, double from, double to, double hertz)
{
    // Goertzel: the power of one frequency.
    const auto [first, last] = stretch(samples, rate, from, to);
    const double coefficient = 2 * std::cos(2 * M_PI * hertz / rate);
    double s1 = 0;
    double s2 = 0;
    for (size_t i = first; i < last; ++i) {
        const double s0 = samples[i] + coefficient * s1 - s2;
        s2 = s1;
        s1 = s0;
    }
    const double power = s1 * s1 + s2 * s2 - coefficient * s1 * s2;
    return 2 * std::sqrt(std::max(power, 0.0)) / double(std::max<size_t>(last - first, 1));
}

double strongestFrequency(const std::vector<float> &samples, int rate, double from, double to, double lo, double hi)
{
    double best = lo;
    double bestStrength = -1;
    for (double hertz = lo; hertz <= hi; hertz += 0.02) {
        const double s = strength(samples, rate, from, to, hertz);
        if (s > bestStrength) {
            bestStrength = s;
            best = hertz;
        }
    }
    return best;
}

double rms(const std::vector<float> &samples, int rate, double from, double to)
{
    const auto [first, last] = stretch(samples, rate, from, to);
    double sum = 0;
    for (size_t i = first; i < last; ++i)
        sum += double(samples[i]) * samples[i];
    return std::sqrt(sum / double(std::max<size_t>(last - first, 1)));
}

double crossingFrequency(const std::vector<float> &samples, int rate, double from, double to)
{
    const auto [first, last] = stretch(samples, rate, from, to);
    double firstCrossing = -1;
    double lastCrossing = -1;
    int crossings = 0;
    for (size_t i = first + 1; i < last; ++i) {
        const double a = samples[i - 1];
        const double b = samples[i];
        if (a < 0 && b >= 0) {
            const double at = double(i - 1) + a / (a - b);
            if (firstCrossing < 0)
                firstCrossing = at;
            lastCrossing = at;
            ++crossings;
        }
    }
    return crossings > 1 ? (crossings - 1) * rate / (lastCrossing - firstCrossing) : 0;
}

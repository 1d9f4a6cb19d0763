#include "audio/BedMix.h"

#include <algorithm>
#include <cmath>

namespace {
NoiseChoice noiseOf(const Bed &bed)
{
    const NoiseChoice::Kind kinds[] = {NoiseChoice::None, NoiseChoice::White, NoiseChoice::Pink, NoiseChoice::Brown};
    return {kinds[bed.kind], std::clamp(bed.gain, NoiseChoice::QuietestLevel, NoiseChoice::LoudestLevel)};
}
} // namespace

BedMix::BedMix(int sampleRate)
    : mRate(sampleRate)
{
}

void BedMix::setNoise(const NoiseChoice &noise)
{
    mListenerNoise.reset();
    if (noise.kind != NoiseChoice::None)
        mListenerNoise.emplace(noise, mRate);
}

void BedMix::setBeds(const BedList &beds)
{
    std::vector<Voice> voices;
    voices.reserve(beds.size());
    for (const Bed &bed : beds) {
        // Unchanged beds keep their files and their place in them.
        const auto kept = std::find_if(mVoices.begin(), mVoices.end(),
                                       [&bed](const Voice &voice) { return voice.file && voice.bed == bed; });
        if (kept != mVoices.end()) {
            voices.push_back(std::move(*kept));
            mVoices.erase(kept);
            continue;
        }
        Voice voice;
        voice.bed = bed;
        voice.start = std::llround(bed.start * mRate);
        voice.fadeIn = std::llround(bed.fadeIn * mRate);
        voice.fadeOut = std::llround(bed.fadeOut * mRate);
        if (bed.isNoise()) {
            voice.noise.emplace(noiseOf(bed), mRate);
        } else {
            voice.file = std::make_unique<FileBed>(bed.path, bed.gain, bed.loop, bed.crossfade, mRate);
            if (!voice.file->isOpen())
                continue;
            voice.length = voice.file->length();
        }
        voices.push_back(std::move(voice));
    }
    mVoices = std::move(voices);
}

void BedMix::setSessionLength(qint64 frames)
{
    mSessionLength = frames;
}

void BedMix::rewind()
{
    if (mListenerNoise)
        mListenerNoise->reset();
    for (Voice &voice : mVoices) {
        if (voice.noise)
            voice.noise->reset();
        voice.next = -1;
    }
}

bool BedMix::isSilent() const
{
    return mVoices.empty() && !mListenerNoise;
}

void BedMix::add(float *left, float *right, const float *fade, int n, qint64 at)
{
    if (mListenerNoise)
        mListenerNoise->add(left, right, fade, n);
    for (Voice &voice : mVoices)
        addVoice(voice, left, right, fade, n, at);
}

void BedMix::addVoice(Voice &voice, float *left, float *right, const float *fade, int n, qint64 at)
{
    const qint64 end = voice.length < 0 ? mSessionLength : std::min(mSessionLength, voice.start + voice.length);
    const qint64 from = std::max(at, voice.start);
    const qint64 to = std::min(at + n, end);
    if (from >= to)
        return;
    const int skip = int(from - at);
    const int count = int(to - from);
    mEnvelope.resize(size_t(count));
    // Linear fades, each ending at full level or at silence.
    for (int i = 0; i < count; ++i) {
        const qint64 frame = from + i;
        double level = 1;
        if (voice.fadeIn > 0)
            level = std::min(level, (double(frame - voice.start) + 0.5) / double(voice.fadeIn));
        if (voice.fadeOut > 0)
            level = std::min(level, (double(end - frame) - 0.5) / double(voice.fadeOut));
        mEnvelope[size_t(i)] = float(level) * (fade ? fade[skip + i] : 1.0f);
    }
    if (voice.noise) {
        voice.noise->add(left + skip, right + skip, mEnvelope.data(), count);
        return;
    }
    const qint64 played = from - voice.start;
    if (played != voice.next)
        voice.file->seek(played);
    voice.file->add(left + skip, right + skip, mEnvelope.data(), count);
    voice.next = played + count;
}

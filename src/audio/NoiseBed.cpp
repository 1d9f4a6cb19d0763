#include "audio/NoiseBed.h"

#include <cmath>

using namespace Qt::Literals::StringLiterals;

namespace {
const QString KindNames[] = {u"none"_s, u"white"_s, u"pink"_s, u"brown"_s};

// A uniform white input, -1 to 1, has this variance.
constexpr double WhiteVariance = 1.0 / 3;
constexpr double BrownCornerHertz = 20;
// Pink noise is the sum of low-pass filters two octaves apart from 10 Hz up,
// each weighted by one over the square root of its corner: between two
// corners the sum falls by 3 dB an octave, within half a dB.
constexpr double PinkLowestCorner = 10;
constexpr double PinkCornerStep = 4;

uint32_t nextRandom(uint32_t &state)
{
    state ^= state << 13;
    state ^= state >> 17;
    state ^= state << 5;
    return state;
}
} // namespace

QString NoiseChoice::kindName(Kind kind)
{
    return KindNames[kind];
}

std::optional<NoiseChoice::Kind> NoiseChoice::kindNamed(const QString &name)
{
    for (int kind = None; kind <= Brown; ++kind) {
        if (KindNames[kind] == name)
            return Kind(kind);
    }
    return std::nullopt;
}

std::optional<NoiseChoice> NoiseChoice::parse(const QString &text)
{
    const qsizetype colon = text.indexOf(u':');
    const std::optional<Kind> kind = kindNamed(colon < 0 ? text : text.left(colon));
    if (!kind || (*kind == None && colon >= 0))
        return std::nullopt;
    NoiseChoice choice;
    choice.kind = *kind;
    if (colon >= 0) {
        bool ok = false;
        choice.level = text.mid(colon + 1).toDouble(&ok);
        if (!ok || !(choice.level >= QuietestLevel && choice.level <= LoudestLevel))
            return std::nullopt;
    }
    return choice;
}

NoiseBed::NoiseBed(const NoiseChoice &choice, int sampleRate)
    : mChoice(choice)
{
    switch (choice.kind) {
    case NoiseChoice::None:
    case NoiseChoice::White:
        break;
    case NoiseChoice::Pink: {
        double corner = PinkLowestCorner;
        for (size_t i = 0; i < mPole.size() && corner < 2.0 * sampleRate; ++i, corner *= PinkCornerStep) {
            const double pole = std::exp(-2 * M_PI * corner / sampleRate);
            mPole[i] = float(pole);
            mWeight[i] = float((1 - pole) / std::sqrt(corner));
        }
        mDirect = 0;
        break;
    }
    case NoiseChoice::Brown:
        mPole[0] = float(std::exp(-2 * M_PI * BrownCornerHertz / sampleRate));
        mWeight[0] = 1 - mPole[0];
        mDirect = 0;
        break;
    }
    // The filtered noise's variance, worked out from the filters, brings
    // every kind to the same RMS.
    double variance = double(mDirect) * mDirect;
    for (size_t i = 0; i < mPole.size(); ++i) {
        variance += 2.0 * mDirect * mWeight[i];
        for (size_t j = 0; j < mPole.size(); ++j)
            variance += double(mWeight[i]) * mWeight[j] / (1 - double(mPole[i]) * mPole[j]);
    }
    mScale = float(std::pow(10.0, choice.level / 20) / std::sqrt(variance * WhiteVariance));
    reset();
}

void NoiseBed::reset()
{
    mLeft = Ear{0x9E3779B9u, {}};
    mRight = Ear{0x7F4A7C15u, {}};
}

void NoiseBed::add(float *left, float *right, const float *fade, int n)
{
    if (isSilent())
        return;
    addTo(mLeft, left, fade, n);
    addTo(mRight, right, fade, n);
}

void NoiseBed::addTo(Ear &ear, float *out, const float *fade, int n)
{
    uint32_t random = ear.random;
    std::array<float, Filters> poles = ear.poles;
    for (int i = 0; i < n; ++i) {
        const float white = float(int32_t(nextRandom(random))) * 0x1p-31f;
        float noise = mDirect * white;
        for (size_t p = 0; p < poles.size(); ++p) {
            poles[p] = mPole[p] * poles[p] + mWeight[p] * white;
            noise += poles[p];
        }
        out[i] += mScale * (fade ? fade[i] : 1.0f) * noise;
    }
    ear.random = random;
    ear.poles = poles;
}

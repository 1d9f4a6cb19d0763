#pragma once

#include <QString>
#include <array>
#include <cstdint>
#include <optional>

// The noise a preview or a sound file may have under the session's tones. It
// belongs to the listener, not to the session: never saved with it, never
// sent to the device.
struct NoiseChoice
{
    enum Kind { None, White, Pink, Brown };
    static constexpr double QuietestLevel = -60; // dBFS, the noise's RMS in each ear
    // Noise peaks at about five times its RMS: at this level it still fits
    // under full scale beside tones at Volume 100.
    static constexpr double LoudestLevel = -20;

    Kind kind = None;
    double level = -30;

    // "none", or "white", "pink" or "brown", with ":LEVEL" unless the level
    // is the default, as in "pink:-20".
    static std::optional<NoiseChoice> parse(const QString &text);
    static QString kindName(Kind kind);
    static std::optional<Kind> kindNamed(const QString &name);
};

// Noise at a chosen level, independent in each ear: white, pink (-3 dB an
// octave) or brown (-6 dB an octave above 20 Hz). The same sound every time
// from the start or after reset().
class NoiseBed
{
public:
    NoiseBed(const NoiseChoice &choice, int sampleRate);

    bool isSilent() const { return mChoice.kind == NoiseChoice::None; }
    // Adds n samples of noise to each ear, times fade[i] when fade is given.
    void add(float *left, float *right, const float *fade, int n);
    void reset();

private:
    static constexpr size_t Filters = 8;
    struct Ear
    {
        uint32_t random = 0;
        std::array<float, Filters> poles{};
    };
    void addTo(Ear &ear, float *out, const float *fade, int n);

    NoiseChoice mChoice;
    std::array<float, Filters> mPole{};   // each low-pass filter's feedback
    std::array<float, Filters> mWeight{}; // and its share of the white input
    float mDirect = 1;              // the white input's own share
    float mScale = 0;               // to the level chosen
    Ear mLeft;
    Ear mRight;
};

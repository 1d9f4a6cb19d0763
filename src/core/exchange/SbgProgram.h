#pragma once

#include <QList>
#include <QStringList>

// One voice of an SBaGen tone-set as the classic player keeps it.
struct SbgVoice
{
    enum Type { Off, Binaural, Isochronic, Custom, Noise, Bell, Spin, Mix, MixEffect };
    Type type = Off;
    int shape = 0;       // Custom: the waveNN number; Noise: 0 pink, 1 white, 2 brown; Spin: its kind
    int waveform = 0;    // 0 sine, 1 square, 2 triangle, 3 sawtooth
    double carrier = 0;  // hertz
    double beat = 0;     // hertz, signed: the right ear's offset, or the pulse rate
    double amplitude = 0; // percent

    // A tone the session can play: a beat on a carrier.
    bool isTone() const { return type == Binaural || type == Isochronic || type == Custom; }
    bool operator==(const SbgVoice &other) const
    {
        return type == other.type && shape == other.shape && carrier == other.carrier && beat == other.beat
               && amplitude == other.amplitude;
    }
    bool operator!=(const SbgVoice &other) const { return !(*this == other); }
};
using SbgVoices = QList<SbgVoice>; // one per channel, all tone-sets the same size

// The fade marks of a time line: "<" and ">" through silence, "-" through
// silence where the tone changes, "=" a slide.
enum class SbgFade { Silence, Through, Slide };

// A time-sequence line, blocks expanded.
struct SbgEntry
{
    int at = 0; // milliseconds after midnight
    SbgFade fadeIn = SbgFade::Through;
    SbgFade fadeOut = SbgFade::Through;
    bool slides = false; // "->": slides to the next line's tone-set
    int toneSet = 0;     // index into SbgProgram::toneSets
    int line = 0;
};

struct SbgToneSet
{
    SbgVoices voices;
    int line = 0; // its definition; 0 for "off"
};

// A sequence file as read, before it is played.
struct SbgProgram
{
    QList<SbgToneSet> toneSets;
    QList<SbgEntry> entries;
    int channels = 1;
    int lengthOption = 0; // -L, milliseconds; 0 when not given
    bool endsAtLastLine = false; // -E
};

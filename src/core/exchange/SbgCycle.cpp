#include "core/exchange/SbgCycle.h"

#include "core/exchange/ScheduleRead.h"

#include <algorithm>

namespace {
constexpr int Day = 86400000;
constexpr int Unset = -2;
constexpr int Fading = -1;
constexpr int Sliding = -3;

int span(int from, int to)
{
    const int length = to - from;
    return length >= 0 ? length : length + Day;
}

int middle(int from, int to)
{
    return int((to < from ? (qint64(Day) + from + to) / 2 : (qint64(from) + to) / 2) % Day);
}

bool sameKind(const SbgVoice &a, const SbgVoice &b)
{
    return a.type == b.type && a.shape == b.shape && a.waveform == b.waveform;
}

// Tones whose pitch fading through marks ("-") takes through silence when it changes.
bool pitched(const SbgVoice &voice)
{
    return voice.type == SbgVoice::Binaural || voice.type == SbgVoice::Custom;
}

SbgVoices between(const SbgVoices &from, const SbgVoices &to, double fraction)
{
    SbgVoices voices = from;
    for (qsizetype i = 0; i < voices.size(); ++i) {
        SbgVoice &voice = voices[i];
        const SbgVoice &end = to.at(i);
        voice.carrier += (end.carrier - voice.carrier) * fraction;
        voice.beat += (end.beat - voice.beat) * fraction;
        voice.amplitude += (end.amplitude - voice.amplitude) * fraction;
    }
    return voices;
}
} // namespace

SbgCycle::SbgCycle(const SbgProgram &program, int fadeMilliseconds)
{
    mNodes.reserve(size_t(program.entries.size()) * 3);
    for (const SbgEntry &entry : program.entries) {
        Node line;
        line.at = entry.at;
        line.fadeIn = int(entry.fadeIn);
        line.fadeOut = int(entry.fadeOut);
        line.start = line.end = program.toneSets.at(entry.toneSet).voices;
        line.line = entry.line;
        line.toneSet = entry.toneSet;
        line.ownLine = true;
        Node transition;
        transition.fadeIn = entry.slides ? Sliding : Unset;
        transition.ownLine = entry.slides; // a slide starts at its line's time
        transition.at = entry.at;
        transition.line = entry.line;
        transition.toneSet = entry.toneSet;
        for (const Node &node : {line, transition}) {
            const int index = int(mNodes.size());
            mNodes.push_back(node);
            mNodes.back().previous = index - 1;
            mNodes.back().next = index + 1;
        }
    }
    mNodes.front().previous = int(mNodes.size()) - 1;
    mNodes.back().next = 0;
    mLive = int(mNodes.size());
    makeTransitions(fadeMilliseconds);
    mergeRepeats();
}

int SbgCycle::insertAfter(int node, const Node &inserted)
{
    const int index = int(mNodes.size());
    mNodes.push_back(inserted);
    Node &made = mNodes.back();
    made.previous = node;
    made.next = mNodes[size_t(node)].next;
    mNodes[size_t(made.next)].previous = index;
    mNodes[size_t(node)].next = index;
    ++mLive;
    return index;
}

void SbgCycle::remove(int node)
{
    const Node &gone = mNodes[size_t(node)];
    mNodes[size_t(gone.previous)].next = gone.next;
    mNodes[size_t(gone.next)].previous = gone.previous;
    --mLive;
}

void SbgCycle::makeTransitions(int fadeMilliseconds)
{
    auto at = [this](int node) -> Node & { return mNodes[size_t(node)]; };
    // A change without "->" happens at the next line's time ...
    int node = mHead;
    do {
        Node &transition = at(node);
        if (transition.fadeIn == Unset) {
            transition.at = at(transition.next).at;
            transition.fadeIn = Fading;
        }
        node = transition.next;
    } while (node != mHead);
    // ... over the fade interval around it, as far as the periods either side allow.
    node = mHead;
    do {
        Node &transition = at(node);
        if (transition.fadeIn == Fading) {
            Node &next = at(transition.next);
            const int length = span(transition.at, next.at);
            if (length < fadeMilliseconds) {
                const int adjust = (fadeMilliseconds - length) / 2;
                const int before = std::min(adjust, span(at(transition.previous).at, transition.at));
                const int after = std::min(adjust, span(next.at, at(next.next).at));
                transition.at = (transition.at - before + Day) % Day;
                next.at = (next.at + after) % Day;
            }
        }
        node = transition.next;
    } while (node != mHead);
    node = mHead;
    do {
        if (at(node).fadeIn < 0)
            fillTransition(node);
        node = at(node).next;
    } while (node != mHead);
}

void SbgCycle::fillTransition(int node)
{
    const bool slide = mNodes[size_t(node)].fadeIn == Sliding;
    Node half;
    half.line = mNodes[size_t(mNodes[size_t(node)].next)].line;
    half.toneSet = mNodes[size_t(mNodes[size_t(node)].next)].toneSet;
    const int second = insertAfter(node, half);
    Node &first = mNodes[size_t(node)];
    Node &later = mNodes[size_t(second)];
    Node &before = mNodes[size_t(first.previous)];
    Node &after = mNodes[size_t(later.next)];
    later.at = middle(first.at, after.at);
    first.start = before.end;
    first.line = before.line;
    first.toneSet = before.toneSet;
    later.end = after.start;
    const qsizetype channels = first.start.size();
    for (qsizetype a = 0; a < channels; ++a) {
        if (first.start[a].type == SbgVoice::Bell && !slide)
            first.start[a].type = SbgVoice::Off;
        if (later.end[a].type == SbgVoice::Bell && slide)
            later.end[a].type = SbgVoice::Off;
    }
    int fadeOut = before.fadeOut;
    int fadeIn = after.fadeIn;
    if (slide) {
        fadeOut = fadeIn = int(SbgFade::Slide);
        // A voice that starts or stops slides from or to silence at its own pitch.
        for (qsizetype a = 0; a < channels; ++a) {
            SbgVoice &from = first.start[a];
            SbgVoice &to = later.end[a];
            if (from.type == SbgVoice::Off && to.type != SbgVoice::Off && to.type != SbgVoice::Bell) {
                from = to;
                from.amplitude = 0;
            } else if (from.type != SbgVoice::Off && to.type == SbgVoice::Off) {
                to = from;
                to.amplitude = 0;
            }
        }
    }
    first.end = first.start;
    later.start = later.end;
    const bool silence = fadeOut == int(SbgFade::Silence) || fadeIn == int(SbgFade::Silence);
    const bool through = fadeOut == int(SbgFade::Through) || fadeIn == int(SbgFade::Through);
    bool midpoint = false;
    for (qsizetype a = 0; a < channels; ++a) {
        SbgVoice &from = first.end[a];
        SbgVoice &to = later.start[a];
        if (silence || !sameKind(from, to)
            || (through && pitched(from) && (from.carrier != to.carrier || from.beat != to.beat))) {
            from.amplitude = to.amplitude = 0;
            midpoint = true;
            if (to.type == SbgVoice::Bell) {
                to.amplitude = later.end[a].amplitude;
                after.start[a].type = after.end[a].type = SbgVoice::Off;
            }
        } else if (from.type == SbgVoice::Bell) {
            later.start[a].type = later.end[a].type = SbgVoice::Off;
        } else {
            from.amplitude = to.amplitude = (from.amplitude + to.amplitude) / 2;
            if (pitched(from) || from.type == SbgVoice::Spin) {
                from.carrier = to.carrier = (from.carrier + to.carrier) / 2;
                from.beat = to.beat = (from.beat + to.beat) / 2;
            }
        }
    }
    if (!midpoint) {
        first.end = later.end;
        first.line = later.line;
        first.toneSet = later.toneSet;
        remove(second);
    }
}

void SbgCycle::mergeRepeats()
{
    int node = mHead;
    int quiet = 0;
    while (mLive > 1 && quiet <= mLive) {
        Node &period = mNodes[size_t(node)];
        Node &next = mNodes[size_t(period.next)];
        if (period.start == period.end && period.start == next.start && period.start == next.end
            && !(period.ownLine && next.ownLine))
            next.at = period.at;
        if (period.at == next.at) {
            const int back = period.previous;
            if (mHead == node)
                mHead = back;
            remove(node);
            node = back;
            quiet = 0;
            continue;
        }
        node = period.next;
        ++quiet;
    }
}

QList<SbgPlayedPeriod> SbgCycle::play(int from, qint64 length) const
{
    auto lengthOf = [this](const Node &node) {
        return mLive == 1 ? Day : span(node.at, mNodes[size_t(node.next)].at);
    };
    int node = mHead;
    int offset = 0;
    for (int i = 0; i < mLive; ++i) {
        const Node &candidate = mNodes[size_t(node)];
        offset = span(candidate.at, from);
        if (offset < lengthOf(candidate))
            break;
        node = candidate.next;
    }
    QList<SbgPlayedPeriod> played;
    int counted = 0;
    while (length > 0 && counted < MostImportedPeriods) {
        const Node &period = mNodes[size_t(node)];
        const int whole = lengthOf(period);
        const int piece = int(std::min<qint64>(whole - offset, length));
        if (piece > 0) {
            played.append({piece, between(period.start, period.end, double(offset) / whole),
                           between(period.start, period.end, double(offset + piece) / whole), period.line,
                           period.toneSet});
            if (piece >= 250)
                ++counted;
        }
        length -= piece;
        offset = 0;
        node = period.next;
    }
    return played;
}

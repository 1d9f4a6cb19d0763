#pragma once

#include <QStringList>

struct Session;
struct SessionContext;

enum class GlideSpacing { Linear, Ratio };

// A beat frequency that goes from `from` at the start of the first segment
// to `to` at the end of the last one (Hz), over segments counted from 0.
struct Glide
{
    int firstColumn = 0;
    int lastColumn = 0;
    double from = 0;
    double to = 0;
    GlideSpacing spacing = GlideSpacing::Linear;
};

// The refusal of a glide over fewer than two segments, in English.
inline constexpr char GlideNeedsTwoSegmentsText[] =
    QT_TRANSLATE_NOOP("GlideAcross", "Select two or more segments to glide across");
inline const QString GlideNeedsTwoSegments = QString::fromUtf8(GlideNeedsTwoSegmentsText);
// The same in the user's language.
QString glideNeedsTwoSegmentsMessage();

// The FreqList entry nearest to hertz, by the program's nearest-value lookup.
int nearestFreqIndex(double hertz);

// The glide segments first..last make now: from the first one's Start Freq
// to the last one's Target Freq (its Start Freq where it has none), linear.
Glide currentGlide(const Session &session, int first, int last);

// steps + 1 indexes into FreqList, from the entry nearest `from` to the one
// nearest `to`: the points between are spaced evenly (linear) or by one
// factor (ratio) between those two entries, each snapped to its nearest entry.
QList<int> glidePoints(double from, double to, int steps, GlideSpacing spacing);

// One undo step. Pulsed/Binaural Beats: the first segment starts at `from`,
// each Target Freq is the next point and the next segment's Start Freq the
// Target before it, so the last Target is `to`. Dual Binaural Beats, which
// has no target: Freq 1 steps from `from` in the first segment to `to` in the
// last, and the dbb ramps glide between them. Fewer than two segments are
// refused with GlideNeedsTwoSegments; false then.
bool glideAcross(const SessionContext &context, const Glide &glide);

// A new segment at column k goes on where segment k - 1 glided to: its Start
// Freq becomes that segment's Target Freq, when it has one.
void startWhereGlideEnded(Session &session, int k);

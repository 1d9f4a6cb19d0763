#pragma once

#include <QStringList>

struct Session;
struct SessionContext;

// How a glide's rate goes from its start to its end, segment by segment: evenly
// (linear), by one factor per equal time (ratio), slow then fast (ease-in),
// fast then slow (ease-out), slow at both ends (S-curve), or closing on the
// end ever more slowly (exponential).
enum class GlideSpacing { Linear, Ratio, EaseIn, EaseOut, SCurve, Exponential };

// Which beat of a Dual Binaural Beats session glides; a pulsed session has one.
enum class GlideBeats { Freq1, Freq2, Both };

// A beat frequency that goes from `from` to `to` (Hz) over the segments
// firstColumn..lastColumn, counted from 0. In a Dual Binaural Beats session
// from2 and to2 are Freq 2's, and fromFirstStart makes the first segment
// glide too: from where it starts, the level of the segment before.
struct Glide
{
    int firstColumn = 0;
    int lastColumn = 0;
    double from = 0;
    double to = 0;
    GlideSpacing spacing = GlideSpacing::Linear;
    GlideBeats beats = GlideBeats::Freq1;
    double from2 = 0;
    double to2 = 0;
    bool fromFirstStart = false;
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
// A dual session's first segment glides from its start where it can ramp.
Glide currentGlide(const Session &session, int first, int last);

// Whether the first segment of a dual glide can glide from where it starts:
// it ramps from the segment before, which segment 1 has not.
bool canGlideFromFirstStart(const Session &session, int first);
// The level (Hz) a dual segment starts from in row (Freq 1 or Freq 2).
double dualStartHertz(const Session &session, int first, int row);

// The exact rate at `share` (0 to 1) of the glide.
double glideHertz(double from, double to, double share, GlideSpacing spacing);

// Indexes into FreqList at the given shares (0 to 1) of the glide:
// the exact curve between the entries nearest `from` and `to`, each snapped
// to its nearest entry.
QList<int> glidePoints(double from, double to, const QList<double> &shares, GlideSpacing spacing);

// One undo step. Pulsed/Binaural Beats: the first segment starts at `from`,
// each Target Freq is the next point and the next segment's Start Freq the
// Target before it, so the last Target is `to`; each segment is one step of
// the shape, whatever its time (Split Segment evens out a long one). Dual
// Binaural Beats, which has no target: the chosen Freq rows step from `from`
// in the first segment (or from where it starts, with fromFirstStart) to `to`
// in the last, and the dbb ramps after the first glide between them. Fewer
// than two segments are refused with GlideNeedsTwoSegments; false then.
bool glideAcross(const SessionContext &context, const Glide &glide);

// A new segment at column k goes on where segment k - 1 glided to: its Start
// Freq becomes that segment's Target Freq, when it has one.
void startWhereGlideEnded(Session &session, int k);

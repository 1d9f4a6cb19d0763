#pragma once

#include <QRect>
#include <QtGlobal>
#include <algorithm>

// How the beat lane spaces frequencies: each entry of the frequency list
// the same height above the one below it, or by their logarithms, or evenly.
enum class BeatScale { ListSteps, Log, Linear };

// Where the timeline puts things: time across (seconds to x, zoomed and
// scrolled), and in lanes from top to bottom the loop brackets, the beat
// (over the session's beats, with room at either end), the sound (pitch on
// a log axis, volume from 0 to 100), the light (intensity from 0 to 100) and
// the time axis.
class TimelineGeometry
{
public:
    // The beat axis until a range is set: the whole frequency list, with
    // room at either end.
    static constexpr double LowestBeat = 0.2;
    static constexpr double HighestBeat = 50;
    // Entries of the frequency list shown beyond the session's beats, and
    // the fewest steps the beat lane shows.
    static constexpr int BeatMarginSteps = 1;
    static constexpr int FewestBeatSteps = 8;
    // The pitch axis: the pitch list's range.
    static constexpr double LowestPitch = 14;
    static constexpr double HighestPitch = 1100;
    // Zoomed in furthest: 10 seconds to 100 pixels.
    static constexpr double FinestSecondsPerPixel = 0.1;
    static constexpr int BracketHeight = 18;
    static constexpr int AxisHeight = 18;
    static constexpr int ScaleWidth = 44; // labels of the lanes, left of the time

    TimelineGeometry();
    TimelineGeometry(int width, int height, double sessionSeconds);

    int width() const { return mWidth; }
    int height() const { return mHeight; }
    double sessionSeconds() const { return mSessionSeconds; }
    // Keeps the zoom where it still fits; a whole-session view stays whole.
    void resize(int width, int height, double sessionSeconds);

    QRect brackets() const { return mBrackets; }
    QRect beatLane() const { return mBeat; }
    QRect soundLane() const { return mSound; }
    QRect lightLane() const { return mLight; }
    QRect axis() const { return mAxis; }
    // Where time is drawn: right of the scale, the lanes' height.
    int timeLeft() const { return ScaleWidth; }
    int timeWidth() const { return std::max(1, mWidth - ScaleWidth); }

    // The beat lane shows the beats from low to high (hertz), with a margin
    // of list entries.
    void setBeatRange(double low, double high);
    void setBeatScale(BeatScale scale) { mBeatScale = scale; }
    BeatScale beatScale() const { return mBeatScale; }
    double lowestBeat() const { return mLowestBeat; }
    double highestBeat() const { return mHighestBeat; }

    double secondsPerPixel() const { return mSecondsPerPixel; }
    double leftSeconds() const { return mLeftSeconds; }
    double x(double seconds) const { return timeLeft() + (seconds - mLeftSeconds) / mSecondsPerPixel; }
    double secondsAt(double x) const { return mLeftSeconds + (x - timeLeft()) * mSecondsPerPixel; }
    // The time shown in the window, in seconds.
    double visibleSeconds() const { return timeWidth() * mSecondsPerPixel; }

    double beatY(double hertz) const;
    double beatAt(double y) const;
    double pitchY(double hertz) const;
    double volumeY(double level) const { return levelY(mSound, level); }
    double volumeAt(double y) const { return levelAt(mSound, y); }
    double intensityY(double level) const { return levelY(mLight, level); }
    double intensityAt(double y) const { return levelAt(mLight, y); }

    // The coarsest zoom shows the whole session; the finest is
    // FinestSecondsPerPixel (or the whole, for a short session).
    double coarsestSecondsPerPixel() const;
    double finestSecondsPerPixel() const;
    bool isFit() const;
    void fit();
    // Zooms by factor (above 1: in) keeping the time at x where it is.
    void zoomAround(double factor, double x);
    // Scrolls by pixels (positive: later), within the session.
    void scrollBy(double pixels);
    // Scrolls as little as needed to show the time.
    void reveal(double seconds);

private:
    void layOutLanes();
    void clampScroll();
    static double levelY(const QRect &lane, double level);
    static double levelAt(const QRect &lane, double y);

    int mWidth = 1;
    int mHeight = 1;
    double mSessionSeconds = 0;
    double mSecondsPerPixel = 1;
    double mLeftSeconds = 0;
    QRect mBrackets, mBeat, mSound, mLight, mAxis;
    BeatScale mBeatScale = BeatScale::Log;
    double mLowestBeat = LowestBeat;
    double mHighestBeat = HighestBeat;
    // The same as places in the frequency list, for its own scale.
    double mLowestStep = 0;
    double mHighestStep = 0;
};

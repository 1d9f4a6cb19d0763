#include "core/timeline/TimelineGeometry.h"

#include <algorithm>
#include <cmath>

namespace {
// A frequency on a log axis from low (the lane's bottom) to high (its top).
double logY(const QRect &lane, double hertz, double low, double high)
{
    const double at = (std::log(std::clamp(hertz, low, high)) - std::log(low)) / (std::log(high) - std::log(low));
    return lane.bottom() - at * (lane.height() - 1);
}

double logAt(const QRect &lane, double y, double low, double high)
{
    const double at = std::clamp((lane.bottom() - y) / (lane.height() - 1), 0.0, 1.0);
    return std::exp(std::log(low) + at * (std::log(high) - std::log(low)));
}
} // namespace

TimelineGeometry::TimelineGeometry(int width, int height, double sessionSeconds)
{
    resize(width, height, sessionSeconds);
    fit();
}

void TimelineGeometry::resize(int width, int height, double sessionSeconds)
{
    const bool wasFit = isFit();
    mWidth = std::max(width, ScaleWidth + 1);
    mHeight = std::max(height, BracketHeight + AxisHeight + 30);
    mSessionSeconds = std::max(sessionSeconds, 0.0);
    layOutLanes();
    if (wasFit)
        fit();
    mSecondsPerPixel = std::clamp(mSecondsPerPixel, finestSecondsPerPixel(), coarsestSecondsPerPixel());
    clampScroll();
}

// The beat takes half of the lanes' height, sound and light a quarter each.
void TimelineGeometry::layOutLanes()
{
    const int lanes = mHeight - BracketHeight - AxisHeight;
    const int beat = lanes / 2;
    const int sound = lanes / 4;
    const int light = lanes - beat - sound;
    mBrackets = QRect(0, 0, mWidth, BracketHeight);
    mBeat = QRect(0, BracketHeight, mWidth, beat);
    mSound = QRect(0, mBeat.bottom() + 1, mWidth, sound);
    mLight = QRect(0, mSound.bottom() + 1, mWidth, light);
    mAxis = QRect(0, mLight.bottom() + 1, mWidth, AxisHeight);
}

double TimelineGeometry::beatY(double hertz) const
{
    return logY(mBeat.adjusted(0, 4, 0, -4), hertz, LowestBeat, HighestBeat);
}

double TimelineGeometry::beatAt(double y) const
{
    return logAt(mBeat.adjusted(0, 4, 0, -4), y, LowestBeat, HighestBeat);
}

double TimelineGeometry::pitchY(double hertz) const
{
    return logY(mSound.adjusted(0, 3, 0, -3), hertz, LowestPitch, HighestPitch);
}

double TimelineGeometry::levelY(const QRect &lane, double level)
{
    const QRect inner = lane.adjusted(0, 3, 0, -3);
    return inner.bottom() - std::clamp(level, 0.0, 100.0) / 100.0 * (inner.height() - 1);
}

double TimelineGeometry::levelAt(const QRect &lane, double y)
{
    const QRect inner = lane.adjusted(0, 3, 0, -3);
    return std::clamp((inner.bottom() - y) / (inner.height() - 1) * 100.0, 0.0, 100.0);
}

double TimelineGeometry::coarsestSecondsPerPixel() const
{
    return std::max(mSessionSeconds, 1.0) / timeWidth();
}

double TimelineGeometry::finestSecondsPerPixel() const
{
    return std::min(FinestSecondsPerPixel, coarsestSecondsPerPixel());
}

bool TimelineGeometry::isFit() const
{
    return mLeftSeconds <= 0 && mSecondsPerPixel >= coarsestSecondsPerPixel() * (1 - 1e-9);
}

void TimelineGeometry::fit()
{
    mSecondsPerPixel = coarsestSecondsPerPixel();
    mLeftSeconds = 0;
}

void TimelineGeometry::zoomAround(double factor, double x)
{
    const double seconds = secondsAt(x);
    mSecondsPerPixel = std::clamp(mSecondsPerPixel / factor, finestSecondsPerPixel(), coarsestSecondsPerPixel());
    mLeftSeconds = seconds - (x - timeLeft()) * mSecondsPerPixel;
    clampScroll();
}

void TimelineGeometry::scrollBy(double pixels)
{
    mLeftSeconds += pixels * mSecondsPerPixel;
    clampScroll();
}

void TimelineGeometry::reveal(double seconds)
{
    if (seconds < mLeftSeconds)
        mLeftSeconds = seconds;
    else if (seconds > mLeftSeconds + visibleSeconds())
        mLeftSeconds = seconds - visibleSeconds();
    clampScroll();
}

void TimelineGeometry::clampScroll()
{
    const double last = std::max(0.0, std::max(mSessionSeconds, 1.0) - visibleSeconds());
    mLeftSeconds = std::clamp(mLeftSeconds, 0.0, last);
}

#include "core/timeline/TimelineGeometry.h"

#include "core/session/QuarterUnitList.h"
#include "core/session/ValueLists.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {
const std::vector<double> &beatEntries()
{
    static const std::vector<double> entries = [] {
        std::vector<double> hertz;
        const QuarterUnitList quarters(ValueLists::FreqList);
        for (qsizetype i = 0; i < quarters.size(); ++i)
            hertz.push_back(quarters.at(i).value_or(0) / 4.0);
        return hertz;
    }();
    return entries;
}

int lastStep()
{
    return int(beatEntries().size()) - 1;
}

// The place of hertz in the frequency list, between entries in proportion,
// beyond its ends by the step at that end.
double stepOf(double hertz)
{
    const std::vector<double> &f = beatEntries();
    const auto above = std::upper_bound(f.begin(), f.end(), hertz);
    const size_t i = std::clamp<size_t>(size_t(above - f.begin()), 1, f.size() - 1) - 1;
    return double(i) + (hertz - f[i]) / (f[i + 1] - f[i]);
}

double hertzOfStep(double step)
{
    const std::vector<double> &f = beatEntries();
    const size_t i = size_t(std::clamp(std::floor(step), 0.0, double(f.size() - 2)));
    return f[i] + (step - double(i)) * (f[i + 1] - f[i]);
}

// A frequency on a log axis from low (the lane's bottom) to high (its top).
double logY(const QRect &lane, double hertz, double low, double high)
{
    const double at = (std::log(std::clamp(hertz, low, high)) - std::log(low)) / (std::log(high) - std::log(low));
    return lane.bottom() - at * (lane.height() - 1);
}
} // namespace

TimelineGeometry::TimelineGeometry()
    : mLowestStep(stepOf(LowestBeat))
    , mHighestStep(stepOf(HighestBeat))
{
}

TimelineGeometry::TimelineGeometry(int width, int height, double sessionSeconds)
    : TimelineGeometry()
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

// The beat takes two thirds of the lanes' height, sound and light a sixth each.
void TimelineGeometry::layOutLanes()
{
    const int lanes = mHeight - BracketHeight - AxisHeight;
    const int beat = lanes * 2 / 3;
    const int sound = lanes / 6;
    const int light = lanes - beat - sound;
    mBrackets = QRect(0, 0, mWidth, BracketHeight);
    mBeat = QRect(0, BracketHeight, mWidth, beat);
    mSound = QRect(0, mBeat.bottom() + 1, mWidth, sound);
    mLight = QRect(0, mSound.bottom() + 1, mWidth, light);
    mAxis = QRect(0, mLight.bottom() + 1, mWidth, AxisHeight);
}

void TimelineGeometry::setBeatRange(double low, double high)
{
    int lowest = int(std::floor(stepOf(std::min(low, high)) + 1e-9)) - BeatMarginSteps;
    int highest = int(std::ceil(stepOf(std::max(low, high)) - 1e-9)) + BeatMarginSteps;
    // A session of one beat still shows a few steps around it.
    const int missing = FewestBeatSteps - (highest - lowest);
    if (missing > 0) {
        lowest -= missing / 2;
        highest += missing - missing / 2;
    }
    const int shift = std::max(0, -lowest) - std::max(0, highest - lastStep());
    const int lowestStep = std::max(0, lowest + shift);
    const int highestStep = std::min(lastStep(), highest + shift);
    mLowestStep = lowestStep;
    mHighestStep = highestStep;
    mLowestBeat = beatEntries()[size_t(lowestStep)];
    mHighestBeat = beatEntries()[size_t(highestStep)];
}

// Beyond the shown range the axis goes on, as far as the whole list with
// room: a drag may take a point past the lane's edge.
double TimelineGeometry::beatY(double hertz) const
{
    const QRect lane = mBeat.adjusted(0, 4, 0, -4);
    const double h = std::clamp(hertz, LowestBeat, HighestBeat);
    double at = 0; // 0 at the lowest beat shown, 1 at the highest
    switch (mBeatScale) {
    case BeatScale::Log:
        at = std::log(h / mLowestBeat) / std::log(mHighestBeat / mLowestBeat);
        break;
    case BeatScale::Linear:
        at = (h - mLowestBeat) / (mHighestBeat - mLowestBeat);
        break;
    case BeatScale::ListSteps:
        at = (stepOf(h) - mLowestStep) / (mHighestStep - mLowestStep);
        break;
    }
    return lane.bottom() - at * (lane.height() - 1);
}

double TimelineGeometry::beatAt(double y) const
{
    const QRect lane = mBeat.adjusted(0, 4, 0, -4);
    const double at = (lane.bottom() - y) / (lane.height() - 1);
    double hertz = 0;
    switch (mBeatScale) {
    case BeatScale::Log:
        hertz = mLowestBeat * std::pow(mHighestBeat / mLowestBeat, at);
        break;
    case BeatScale::Linear:
        hertz = mLowestBeat + at * (mHighestBeat - mLowestBeat);
        break;
    case BeatScale::ListSteps:
        hertz = hertzOfStep(mLowestStep + at * (mHighestStep - mLowestStep));
        break;
    }
    return std::clamp(hertz, LowestBeat, HighestBeat);
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

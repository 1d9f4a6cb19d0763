#pragma once

#include "core/graph/GraphFrequencies.h"
#include "core/session/FollowedColumns.h"
#include "core/session/SessionKind.h"

#include <QList>
#include <QString>
#include <limits>
#include <vector>

struct Session;
struct SessionProblem;

// A range of flash rates in hertz, ends included.
struct FlashBand
{
    double low;
    double high;
};
// The rates whose segments the check warns of, and the wider range whose
// time it adds up.
constexpr FlashBand FlashPeakBand{15, 25};
constexpr FlashBand FlashFlickerBand{3, 30};

// A part of a segment's course, from 0 (its start) to 1 (its end).
struct FlashStretch
{
    double from = 1;
    double to = 0;
    bool isEmpty() const { return to <= from; }
};
// When a beat that glides straight from run.start to run.end is in the band.
FlashStretch stretchInBand(const FrequencyRun &run, const FlashBand &band);

// What the session's light does in the flicker bands that most often provoke
// seizures in people with photosensitive epilepsy: a warning for every
// segment whose light flashes at 15 to 25 Hz, followed by a note of the
// session's whole time of light flashing at 3 to 30 Hz. The light is on where the
// Intensity is above its lowest entry; it flashes at the segment's beat over
// its whole course (both beats of a dual tone), every repeat of a loop
// counted. A walk that meets a text that is not a number stops there.
QList<SessionProblem> flashRateFindings(const Session &session);

// The same findings, checked again and again as the session changes: what
// the cells of each column say and the texts of the warnings are kept, and
// only the columns an edit touched are read again.
class FlashRateCheck
{
public:
    QList<SessionProblem> findings(const Session &session);

    // A segment's time at the peak rates and the part of the band its beats reach.
    struct Exposure
    {
        double seconds = 0;
        double lowest = std::numeric_limits<double>::infinity();
        double highest = -std::numeric_limits<double>::infinity();
        int row = 0; // of the first beat that reached the band

        bool reached() const { return lowest <= highest; }
        bool operator==(const Exposure &other) const
        {
            return seconds == other.seconds && lowest == other.lowest && highest == other.highest && row == other.row;
        }
    };

private:
    // What the light and the beats of one column do, read once.
    struct ColumnLight
    {
        bool lit = false;
        FrequencyWalk::ColumnHertz first;
        FrequencyWalk::ColumnHertz second; // dual sessions only
    };
    // A warning's text, kept while its segment's exposure stays. A moved
    // segment gets a new one: a translation may put its number anywhere.
    struct Warning
    {
        Exposure exposure;
        QString text;
    };

    const QString &warningText(size_t column, const Exposure &exposure);

    SessionKind mKind = PulsedSession;
    FollowedColumns<ColumnLight> mColumns;
    std::vector<Exposure> mPeak;
    std::vector<Warning> mWarnings;
    std::vector<Warning> mLastWarnings;
};

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
    // A warning's text, kept while its segment's exposure stays; its head
    // (up to the segment's number) also while the segment moves.
    struct Warning
    {
        Exposure exposure;
        QString head;
        int segment = 0;
        QString text;
    };

    const QString &warningText(size_t column, const Exposure &exposure);

    SessionKind mKind = PulsedSession;
    FollowedColumns<ColumnLight> mColumns;
    std::vector<Exposure> mPeak;
    std::vector<Warning> mWarnings;
    std::vector<Warning> mLastWarnings;
};

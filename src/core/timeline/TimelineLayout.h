#pragma once

#include "core/graph/GraphFrequencies.h"
#include "core/session/SessionKind.h"

#include <QString>
#include <QtGlobal>
#include <vector>

struct Session;

// One pass of one segment as the session plays it, with what the timeline
// draws for it.
struct TimelinePass
{
    int column = 0;
    qint64 start = 0; // half seconds from the session's start
    int halfSeconds = 0;
    bool firstPass = true;
    FrequencyRun beat;  // the beat, or "Freq 1" of a dual tone
    FrequencyRun beat2; // "Freq 2" of a dual tone
    // Levels 0 to 100; "VI Ramp" "seg" glides from the pass played before.
    double volumeFrom = 0;
    double volumeTo = 0;
    double intensityFrom = 0;
    double intensityTo = 0;

    qint64 end() const { return start + halfSeconds; }
    bool operator==(const TimelinePass &other) const;
};

// A loop as it plays: its segments and the time of all its repeats.
struct TimelineLoop
{
    int firstColumn = 0;
    int lastColumn = 0;
    int times = 0;
    qint64 start = 0;
    qint64 end = 0;
};

// The session as it plays, loops expanded, for the timeline: every pass in
// order and the loops over them. Rebuilt whole after each change (a few
// hundred microseconds for the longest session); what changed is found by
// comparing with the layout before.
class TimelineLayout
{
public:
    TimelineLayout() = default;
    explicit TimelineLayout(const Session &session);

    const std::vector<TimelinePass> &passes() const { return mPasses; }
    const std::vector<TimelineLoop> &loops() const { return mLoops; }
    qint64 totalHalfSeconds() const { return mTotal; }
    int columnCount() const { return mColumnCount; }
    SessionKind kind() const { return mKind; }
    bool isDual() const { return mKind == DualBinauralSession; }
    // The lowest and highest beat played (hertz); 0 without passes.
    double lowestBeat() const { return mLowestBeat; }
    double highestBeat() const { return mHighestBeat; }
    // The conversion error that ended the walk early; empty when none.
    const QString &error() const { return mError; }

    // The pass playing at a time (half seconds); -1 outside the session.
    int passAt(double halfSeconds) const;
    // The first pass of a segment; -1 when the walk did not reach it.
    int firstPassOf(int column) const;

    // The time span (half seconds) over which this layout and before differ;
    // empty (first >= last) when they draw the same.
    struct Span
    {
        qint64 first = 0;
        qint64 last = 0;
        bool isEmpty() const { return last <= first; }
    };
    Span differenceFrom(const TimelineLayout &before) const;

private:
    void findLoops(const Session &session);

    std::vector<TimelinePass> mPasses;
    std::vector<int> mFirstPass; // by column
    std::vector<TimelineLoop> mLoops;
    qint64 mTotal = 0;
    double mLowestBeat = 0;
    double mHighestBeat = 0;
    int mColumnCount = 0;
    SessionKind mKind = PulsedSession;
    QString mError;
};

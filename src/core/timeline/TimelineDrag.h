#pragma once

#include "core/session/ValueMatching.h"
#include "core/timeline/TimelineGrip.h"

#include <QPointF>
#include <QString>
#include <optional>
#include <utility>

class Prompter;
class SessionDocument;
class TimelineGeometry;
class TimelineLayout;
struct Session;

// A number for a cell, snapped to the entry of its row's list that the sheet
// would take for it typed in: hertz for the beat rows, half seconds for the
// time, a level for volume and intensity. A cell empty by rule refuses it
// with the sheet's reason.
ValueMatch snapToList(const Session &session, const CellPos &cell, double number);

// One drag of a grip, from press to release: the entry the cell would take
// where the pointer is. Nothing changes until finish(), which makes it one
// undo step; a drag dropped without finish() (Escape) changes nothing.
class TimelineDrag
{
public:
    TimelineDrag(const Session &session, const TimelineLayout &layout, TimelineGrip grip);

    // Pointer moves of a fine drag (Shift held) step a beat one list entry
    // per FinePixels, counted from where the fine drag began.
    static constexpr double FinePixels = 8;

    // True when the entry it proposes changed.
    bool moveTo(const TimelineGeometry &geometry, QPointF point, bool fine = false);

    TimelineGrip grip() const { return mGrip; }
    int pass() const { return mGrip.pass; }
    const ValueMatch &proposal() const { return mProposal; }
    // The proposal as the timeline shows it: "7.83 Hz", "0:20.0", "85".
    QString valueText() const;
    // The cell differs from the proposal.
    bool changes() const;

    // Puts the proposal into the cell as one undo step, or tells the
    // sheet's reason for refusing it.
    void finish(SessionDocument &document, Prompter &prompter) const;

private:
    const Session &mSession;
    const TimelineLayout &mLayout;
    TimelineGrip mGrip;
    ValueMatch mProposal;
    // Where a fine drag began: the pointer's height and the entry then.
    std::optional<std::pair<double, QString>> mFineStart;
};

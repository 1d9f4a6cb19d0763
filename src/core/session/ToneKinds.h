#pragma once

#include "core/session/SessionKind.h"

#include <QString>
#include <QStringList>
#include <QStringView>


// How the preview and the exports sound a tone.
enum class ToneKind {
    Silent,     // a code the preview does not know
    Isochronic, // pulses of the pitch, on for the duty cycle
    Smooth,     // sine-shaped pulses of the pitch
    Chord,      // pulses of a chord on the pitch
    Binaural,   // the pitch left, pitch + beat right
    Dual,       // two binaural voices
};

// What the row below the pitch holds for a tone.
enum class SixthRow {
    Unused, // empty; a file leaves it out and a step empties it
    Chord,  // a chord number, "1" when empty
    Pitch2, // the second voice's pitch
};

// One tone a segment's Tone cell can name. Adding a tone is an entry in the
// table; a new sound adds a ToneKind, how the synth plays it and how the
// export writes it.
struct ToneKindEntry
{
    QStringView name;      // the cell's text, exact case
    int deviceCode;        // bits 5 to 7 of a record's first byte
    SessionKind session;   // the session whose Tone list holds it
    ToneKind sound;
    SixthRow sixthRow;
    // The export to the peers' formats plays it otherwise than the preview:
    // a loss is reported.
    bool exportedApproximately;
};

// Another name a session file may give a tone; the encoder takes it too.
struct ToneAlias
{
    QStringView name;
    QStringView tone;
};

// The entries of a fixed table, for a range-for.
template<typename Entry>
struct TableEntries
{
    const Entry *first;
    const Entry *last;
    const Entry *begin() const { return first; }
    const Entry *end() const { return last; }
};

namespace ToneKinds {
// In Tone list order: the entries of one session kind follow each other.
TableEntries<ToneKindEntry> entries();
TableEntries<ToneAlias> aliases();

// The entry of a tone name, exact case; nullptr for none.
const ToneKindEntry *find(QStringView name);
// The tone an alias stands for, or the name itself.
QStringView unaliased(QStringView name);
// The tones a session of kind offers, in stepping order.
QStringList names(SessionKind kind);
// Every name and alias, the tones first; a name's position is not its code.
QStringList namesAndAliases();
} // namespace ToneKinds

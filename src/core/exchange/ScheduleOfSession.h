#pragma once

#include "core/exchange/ExchangeNote.h"
#include "core/exchange/Schedule.h"

struct Session;

// The peer formats a session can be written to; what they hold differs.
enum class ScheduleFormat { Sbg, Gnaural };

struct ExportedSchedule
{
    Schedule schedule;
    QList<ExchangeNote> losses; // by segment, each row once, in segment order
};

// The session as it plays, loops expanded, as periods of tones: beats glide
// as the preview glides them, chords become parallel tones and a dual tone
// two binaural tones. A binaural tone plays in each ear what the preview
// plays there: its carrier is the centre between the ears, its beat left
// minus right. A voice without a pitch is left out. Losses name each
// segment's rows whose values the
// format cannot hold. Raises ConversionError for a time or loop cell that
// is not a number, as playing the session would.
ExportedSchedule scheduleOfSession(const Session &session, ScheduleFormat format);

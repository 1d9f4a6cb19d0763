#pragma once

#include "core/exchange/ExchangeNote.h"
#include "core/exchange/Schedule.h"

#include <optional>

// A peer format's file as a reader takes it: the schedule, or an error that
// names its line; notes of what the schedule leaves out, by line.
struct ScheduleRead
{
    std::optional<Schedule> schedule;
    QString error;
    QList<ExchangeNote> notes;
    // A schedule that plays until stopped: the length it was given, in
    // seconds, when none was asked for; 0 otherwise.
    double openLength = 0;
    double origin = 0; // the time of day its first line plays at, in seconds
};

// What the reader is told besides the file.
struct ScheduleReadOptions
{
    double seconds = 0; // the length to play; 0: the schedule's own
};

// Readers stop once they hold more periods of half a second or longer than
// a session has segments, whatever the file holds further, so that their
// memory stays bounded.
constexpr int MostImportedPeriods = 1001;

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
};

// Readers stop once they hold more periods of half a second or longer than
// a session has segments, whatever the file holds further, so that their
// memory stays bounded.
constexpr int MostImportedPeriods = 1001;

#pragma once

#include <QString>

// What an import or export could not carry, for the report the user sees
// before anything is written or replaced.
struct ExchangeNote
{
    int segment = 0; // from 1; 0 for the whole session
    int row = 0;     // a session row; 0 for the whole segment
    int line = 0;    // importing: the source's line; 0 when it is no line's
    QString message;
    int lastSegment = 0; // importing: the last segment of a range; 0 for segment alone
    bool changesPlay = false; // importing: the played time, a beat or what is heard changes

    bool operator==(const ExchangeNote &other) const
    {
        return segment == other.segment && row == other.row && line == other.line && message == other.message
               && lastSegment == other.lastSegment && changesPlay == other.changesPlay;
    }
};

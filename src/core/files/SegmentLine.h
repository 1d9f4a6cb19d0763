#pragma once

#include <QStringView>
#include <array>

// A segment line of a session file cut at its TABs: field 0 (the number)
// up to the TAB that starts field 1, then fields 1 to 15. Text after the TAB
// that ends field 15 is ignored.
struct SegmentLine
{
    static constexpr int LastField = 15;

    // Views into the line: the line must outlive them.
    static SegmentLine split(QStringView line);

    std::array<QStringView, LastField + 1> fields; // field r at index r; index 0 unused
    int lastFound = 0;        // fields 1 to lastFound are there
    bool formatError = false; // a TAB is missing: the field at which it is missing took the rest of the line

    bool has(int field) const { return field <= lastFound; }
};

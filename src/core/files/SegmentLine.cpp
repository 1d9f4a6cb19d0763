#include "core/files/SegmentLine.h"

SegmentLine SegmentLine::split(QStringView line)
{
    // One pass over the line, each TAB ending a field.
    SegmentLine result;
    const QChar *const begin = line.data();
    const QChar *const end = begin + line.size();
    const QChar *p = begin;
    while (p != end && *p != u'\t')
        ++p;
    if (p == end) {
        result.formatError = true;
        p = begin;
    } else {
        ++p;
    }
    for (int r = 1; r <= LastField; ++r) {
        const QChar *const start = p;
        while (p != end && *p != u'\t')
            ++p;
        result.lastFound = r;
        result.fields[size_t(r)] = QStringView(start, p);
        if (p == end) {
            result.formatError = result.formatError || r < LastField;
            return result;
        }
        ++p;
    }
    return result;
}

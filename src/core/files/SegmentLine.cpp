#include "core/files/SegmentLine.h"

SegmentLine SegmentLine::split(QStringView line)
{
    SegmentLine result;
    qsizetype start = line.indexOf(u'\t');
    if (start < 0) {
        result.formatError = true;
        start = 0;
    } else {
        ++start;
    }
    for (int r = 1; r <= LastField; ++r) {
        const qsizetype tab = line.indexOf(u'\t', start);
        result.lastFound = r;
        if (tab < 0) {
            result.fields[size_t(r)] = line.mid(start);
            result.formatError = result.formatError || r < LastField;
            return result;
        }
        result.fields[size_t(r)] = line.mid(start, tab - start);
        start = tab + 1;
    }
    return result;
}

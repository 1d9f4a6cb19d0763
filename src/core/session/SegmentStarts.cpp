#include "core/session/SegmentStarts.h"

#include "core/session/ConversionError.h"
#include "core/session/LoopPasses.h"
#include "core/session/WalkNumbers.h"

void countSegmentStarts(const SessionGrid &cells, SegmentStarts &result)
{
    WalkNumbers &walkNumbers = WalkNumbers::ofThisThread();
    const std::vector<WalkNumbers::Numbers> &table = walkNumbers.table(cells);
    result.starts.resize(table.size());
    result.error.clear();
    qint64 elapsed = 0;
    qint64 loopStart = 0;
    int loopLeft = 0;
    int passes = 1;
    size_t reached = 0; // segments that started
    try {
        for (size_t i = 0; i < table.size(); ++i) {
            const WalkNumbers::Numbers &numbers = table[i];
            const int column = int(i);
            // The accessors raise the error of a number that failed.
            const int halfSeconds = numbers.failed & WalkNumbers::TimeFailed ? walkNumbers.halfSeconds(cells, column)
                                                                            : numbers.halfSeconds;
            const qint64 start = elapsed;
            result.starts[i] = start;
            reached = i + 1;
            elapsed += halfSeconds;
            if (numbers.startsLoop) {
                loopLeft = walkNumbers.loopSegments(cells, column);
                passes = loopPasses(walkNumbers.loopTimes(cells, column));
                loopStart = start;
            }
            if (loopLeft > 0 && --loopLeft == 0)
                elapsed += qint64(passes - 1) * (elapsed - loopStart);
        }
    } catch (const ConversionError &e) {
        result.error = e.message();
    }
    result.starts.resize(reached);
    result.total = elapsed;
}

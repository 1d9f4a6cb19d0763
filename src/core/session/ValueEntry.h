#pragma once

#include <QString>

struct CellRange;
struct SessionContext;

// A typed value put into the cells of a range within one row, each matched
// as matchValue() matches it: one undo step that refreshes the timing at the
// range's first segment. A text no cell takes changes nothing and says what
// the row takes; cells that refuse it (empty by rule) keep their text and
// their reason is shown once. A loop row takes the value at the range's
// first segment only, with the checks and messages of its dialog.
void enterValue(const SessionContext &context, const CellRange &cells, const QString &text);

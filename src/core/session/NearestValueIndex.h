#pragma once

#include <QStringList>

class Prompter;
class QuarterUnitList;

// Index of the entry of an ascending list nearest to the number in text,
// compared in quarter units (halves to even); a tie keeps the earlier entry.
// -1 when even the first entry is 10000 quarter units or more away. A text or
// entry that is not a number shows "Float convert error on %s" and gives the
// index reached so far.
int nearestValueIndex(const QString &text, const QStringList &list, Prompter &prompter);
// The same, on a list read once beforehand.
int nearestValueIndex(const QString &text, const QuarterUnitList &list, Prompter &prompter);

// What NearestValueIndex finds, for callers that report the failure their own
// way: converted is false where it would show floatConvertErrorText(text).
struct NearestValue
{
    int index = 0;
    bool converted = true;
};
NearestValue findNearestValue(const QString &text, const QuarterUnitList &list);
// The same for a number already in quarter units.
NearestValue findNearestValue(double quarters, const QuarterUnitList &list);
QString floatConvertErrorText(const QString &text);

#pragma once

#include <QString>
#include <QStringView>
#include <optional>

// Strict conversions of cell texts. The throwing forms raise ConversionError
// with the usual "'x' is not a valid integer value" wording.
namespace TextNumbers {
// Optional sign and decimal digits only, within 32 bits.
std::optional<int> tryInteger(QStringView text);
int integer(QStringView text);
// The message of the ConversionError integer() raises for text.
QString notIntegerMessage(QStringView text);

// A decimal number with "." as the separator whatever the locale.
std::optional<double> tryDecimal(QStringView text);

// Half seconds of a time text "m:ss.d": minutes * 120 + seconds * 2, plus 1
// when the text ends in "5". Minutes are the integer before the first ":",
// seconds the integer between it and the first "."; a count beyond 32 bits
// wraps.
int halfSecondsOfTime(QStringView time);
// The same count without throwing, in 64 bits so that no minutes overflow;
// nothing when the minutes or the seconds are not integers.
std::optional<qint64> tryHalfSecondsOfTime(QStringView time);
// The message of the ConversionError halfSecondsOfTime() raises for time;
// empty when it converts.
QString timeConversionError(QStringView time);
} // namespace TextNumbers

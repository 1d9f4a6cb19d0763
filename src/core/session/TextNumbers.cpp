#include "core/session/TextNumbers.h"

#include "core/session/ConversionError.h"

#include <QCoreApplication>
#include <QLocale>
#include <cmath>
#include <limits>

using namespace Qt::Literals::StringLiterals;

namespace {
struct TextNumbersTexts
{
    Q_DECLARE_TR_FUNCTIONS(TextNumbers)
};
} // namespace

namespace TextNumbers {

std::optional<int> tryInteger(QStringView text)
{
    qsizetype i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+')) {
        negative = text[i] == u'-';
        ++i;
    }
    if (i == text.size())
        return std::nullopt;
    qint64 value = 0;
    for (; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = value * 10 + (c - u'0');
        if (value > qint64(std::numeric_limits<int>::max()) + 1)
            return std::nullopt;
    }
    if (negative)
        value = -value;
    if (value > std::numeric_limits<int>::max() || value < std::numeric_limits<int>::min())
        return std::nullopt;
    return int(value);
}

int integer(QStringView text)
{
    if (const auto value = tryInteger(text))
        return *value;
    throw ConversionError(notIntegerMessage(text));
}

QString notIntegerMessage(QStringView text)
{
    return TextNumbersTexts::tr("'%1' is not a valid integer value").arg(text);
}

namespace {
// The plain form "[-]digits[.digits]" of every list entry, parsed without the
// locale machinery: value lookups run it thousands of times per command.
std::optional<double> tryPlainDecimal(QStringView text)
{
    qsizetype i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+')) {
        negative = text[i] == u'-';
        ++i;
    }
    double mantissa = 0;
    double scale = 1;
    int digits = 0;
    bool afterPoint = false;
    for (; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c == u'.' && !afterPoint) {
            afterPoint = true;
        } else if (c >= u'0' && c <= u'9') {
            mantissa = mantissa * 10 + (c - u'0');
            if (afterPoint)
                scale *= 10;
            if (++digits > 15)
                return std::nullopt;
        } else {
            return std::nullopt;
        }
    }
    if (digits == 0)
        return std::nullopt;
    const double value = mantissa / scale;
    return negative ? -value : value;
}
} // namespace

std::optional<double> tryDecimal(QStringView text)
{
    if (const auto plain = tryPlainDecimal(text))
        return plain;
    QLocale c = QLocale::c();
    c.setNumberOptions(QLocale::RejectGroupSeparator);
    bool ok = false;
    const double value = c.toDouble(text.trimmed(), &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

namespace {
struct TimeParts
{
    QStringView minutes;
    QStringView seconds;
};

TimeParts timeParts(QStringView time)
{
    // The first ":" and the first ".", found in one pass over a short text.
    qsizetype colon = -1;
    qsizetype dot = -1;
    for (qsizetype i = 0; i < time.size() && (colon < 0 || dot < 0); ++i) {
        if (time[i] == u':' && colon < 0)
            colon = i;
        else if (time[i] == u'.' && dot < 0)
            dot = i;
    }
    return {colon < 0 ? QStringView() : time.left(colon),
            (colon < 0 || dot <= colon) ? QStringView() : time.mid(colon + 1, dot - colon - 1)};
}
} // namespace

int halfSecondsOfTime(QStringView time)
{
    // Counted in 64 bits: minutes beyond reason wrap as a 32-bit count does,
    // as in the encoder, instead of overflowing.
    if (const auto count = tryHalfSecondsOfTime(time))
        return int(*count);
    throw ConversionError(timeConversionError(time));
}

std::optional<qint64> tryHalfSecondsOfTime(QStringView time)
{
    const TimeParts parts = timeParts(time);
    const auto minutes = tryInteger(parts.minutes);
    const auto seconds = tryInteger(parts.seconds);
    if (!minutes || !seconds)
        return std::nullopt;
    return (qint64(*minutes) * 60 + *seconds) * 2 + (time.endsWith(u'5') ? 1 : 0);
}

QString timeConversionError(QStringView time)
{
    const TimeParts parts = timeParts(time);
    for (const QStringView part : {parts.minutes, parts.seconds}) {
        if (!tryInteger(part))
            return notIntegerMessage(part);
    }
    return {};
}
} // namespace TextNumbers

#include "core/files/Windows1252.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace Windows1252 {
namespace {
// Bytes 0x80 to 0x9F; the others are the characters of the same number.
constexpr std::array<char16_t, 32> HighControlRange = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char encodeOne(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return char(c);
    for (size_t i = 0; i < HighControlRange.size(); ++i) {
        if (HighControlRange[i] == c)
            return char(0x80 + i);
    }
    return '?';
}

// No byte above 0x7F, eight bytes at a time.
bool isAscii(QByteArrayView bytes)
{
    const char *p = bytes.data();
    const char *const end = p + bytes.size();
    for (; end - p >= 8; p += 8) {
        quint64 word;
        std::memcpy(&word, p, sizeof word);
        if (word & 0x8080808080808080ULL)
            return false;
    }
    return std::all_of(p, end, [](char byte) { return uchar(byte) < 0x80; });
}
} // namespace

QString decode(QByteArrayView bytes)
{
    // Latin-1 but for 0x80 to 0x9F, which most texts never hold.
    QString text = QString::fromLatin1(bytes);
    if (isAscii(bytes))
        return text;
    for (QChar &c : text) {
        if (c.unicode() >= 0x80 && c.unicode() < 0xA0)
            c = QChar(HighControlRange[c.unicode() - 0x80]);
    }
    return text;
}

QByteArray encode(QStringView text)
{
    QByteArray bytes(text.size(), Qt::Uninitialized);
    char *out = bytes.data();
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        // A character outside the basic plane is one "?", not two.
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
        *out++ = encodeOne(c.unicode());
    }
    bytes.truncate(out - bytes.data());
    return bytes;
}
} // namespace Windows1252

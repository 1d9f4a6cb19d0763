#include "core/settings/IniFile.h"

#include <QStringDecoder>

#include <algorithm>
#include <iterator>

using namespace Qt::Literals::StringLiterals;

namespace {
#ifdef Q_OS_WIN
constexpr char LineEnd[] = "\r\n";
#else
constexpr char LineEnd[] = "\n";
#endif

bool isSpace(char ch)
{
    return ch == ' ' || ch == '\t' || ch == '\n' || ch == '\r';
}

int hexValue(char16_t ch)
{
    if (ch >= u'0' && ch <= u'9')
        return ch - u'0';
    if (ch >= u'a' && ch <= u'f')
        return ch - u'a' + 10;
    if (ch >= u'A' && ch <= u'F')
        return ch - u'A' + 10;
    return -1;
}

// UTF-8 as it stands: a byte order mark after an escape is part of the text
// and must not be dropped as the start of a string.
QString utf8Text(QByteArrayView bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    return decoder.decode(bytes);
}

int octValue(char ch)
{
    return ch >= '0' && ch <= '7' ? ch - '0' : -1;
}

// The next line from pos on: a line runs to its end outside quotes, or to a
// ';' that starts a comment; a backslash carries it over a line break.
// Comment lines are skipped. equalsPos is the first '=' outside quotes, or
// -1. False at the end of the data.
bool readLine(const QByteArray &data, qsizetype &pos, qsizetype &lineStart, qsizetype &lineLen,
              qsizetype &equalsPos)
{
    const qsizetype size = data.size();
    bool inQuotes = false;
    equalsPos = -1;
    lineStart = pos;
    while (lineStart < size && isSpace(data.at(lineStart)))
        ++lineStart;
    qsizetype i = lineStart;
    while (i < size) {
        const char ch = data.at(i++);
        if (ch == '=') {
            if (!inQuotes && equalsPos == -1)
                equalsPos = i - 1;
        } else if (ch == '\n' || ch == '\r') {
            if (i == lineStart + 1) {
                ++lineStart;
            } else if (!inQuotes) {
                --i;
                break;
            }
        } else if (ch == '\\') {
            if (i < size) {
                const char next = data.at(i++);
                if (i < size) {
                    const char after = data.at(i);
                    if ((next == '\n' && after == '\r') || (next == '\r' && after == '\n'))
                        ++i;
                }
            }
        } else if (ch == '"') {
            inQuotes = !inQuotes;
        } else if (ch == ';') {
            if (i == lineStart + 1) {
                while (i < size && data.at(i) != '\n' && data.at(i) != '\r')
                    ++i;
                while (i < size && isSpace(data.at(i)))
                    ++i;
                lineStart = i;
            } else if (!inQuotes) {
                --i;
                break;
            }
        }
    }
    pos = i;
    lineLen = i - lineStart;
    return lineLen > 0;
}

// Keys and section names: "%XX" and "%UXXXX" stand for characters, a
// backslash for '/'.
QString unescapedKey(const QByteArray &bytes)
{
    const QString text = QString::fromUtf8(bytes);
    QString key;
    qsizetype i = 0;
    while (i < text.size()) {
        const QChar ch = text.at(i);
        if (ch == u'\\') {
            key += u'/';
            ++i;
            continue;
        }
        if (ch != u'%' || i == text.size() - 1) {
            key += ch;
            ++i;
            continue;
        }
        const qsizetype first = text.at(i + 1) == u'U' ? i + 2 : i + 1;
        const int digits = first == i + 2 ? 4 : 2;
        bool ok = first + digits <= text.size();
        const ushort code = ok ? QStringView(text).sliced(first, digits).toUShort(&ok, 16) : 0;
        if (!ok) {
            key += u'%';
            ++i;
            continue;
        }
        key += QChar(code);
        i = first + digits;
    }
    return key;
}

QByteArray escapedKey(const QString &key)
{
    QByteArray bytes;
    for (qsizetype i = 0; i < key.size(); ++i) {
        const char16_t ch = key.at(i).unicode();
        // A backslash before the '=' would escape it and leave a line
        // without a key: a key written by hand as "COM1/" keeps its slash as
        // "%2F".
        if (ch == u'/' && i < key.size() - 1)
            bytes += '\\';
        else if ((ch >= u'a' && ch <= u'z') || (ch >= u'A' && ch <= u'Z') || (ch >= u'0' && ch <= u'9') || ch == u'_'
                 || ch == u'-' || ch == u'.')
            bytes += char(ch);
        else if (ch <= 0xff)
            bytes += '%' + QByteArray::number(ch, 16).toUpper().rightJustified(2, '0');
        else
            bytes += "%U" + QByteArray::number(ch, 16).toUpper().rightJustified(4, '0');
    }
    return bytes;
}

// A value's text: quotes, escapes, and unquoted commas, which make it a
// list. Spaces around unquoted parts do not count.
struct ParsedValue
{
    QString text;
    QStringList list;
    bool isList = false;
};

ParsedValue unescapedValue(const QByteArray &bytes)
{
    ParsedValue value;
    bool inQuotes = false;
    bool quoted = false;
    qsizetype i = 0;
    qsizetype chopLimit = 0;
    const auto skipSpaces = [&] {
        while (i < bytes.size() && (bytes.at(i) == ' ' || bytes.at(i) == '\t'))
            ++i;
        chopLimit = value.text.size();
    };
    const auto chopTrailingSpaces = [&] {
        while (value.text.size() > chopLimit && (value.text.back() == u' ' || value.text.back() == u'\t'))
            value.text.chop(1);
    };
    // Digits of a "\x" or octal escape, as many as follow.
    const auto numericEscape = [&](int base, char16_t start) {
        char16_t code = start;
        while (i < bytes.size()) {
            const int digit = base == 16 ? hexValue(char16_t(uchar(bytes.at(i)))) : octValue(bytes.at(i));
            if (digit < 0)
                break;
            code = char16_t(code * base + digit);
            ++i;
        }
        value.text += QChar(code);
        chopLimit = value.text.size();
    };
    skipSpaces();
    while (i < bytes.size()) {
        const char ch = bytes.at(i);
        if (ch == '\\') {
            if (++i >= bytes.size()) {
                chopLimit = value.text.size();
                break;
            }
            const char code = bytes.at(i++);
            static constexpr char Named[][2] = {{'a', '\a'}, {'b', '\b'}, {'f', '\f'}, {'n', '\n'},
                                                {'r', '\r'}, {'t', '\t'}, {'v', '\v'}, {'"', '"'},
                                                {'?', '?'},  {'\'', '\''}, {'\\', '\\'}};
            bool named = false;
            for (const auto &pair : Named) {
                if (code == pair[0]) {
                    value.text += QLatin1Char(pair[1]);
                    chopLimit = value.text.size();
                    named = true;
                    break;
                }
            }
            if (named)
                continue;
            if (code == 'x') {
                if (i < bytes.size() && hexValue(char16_t(uchar(bytes.at(i)))) >= 0) {
                    numericEscape(16, 0);
                    continue;
                }
            } else if (octValue(code) >= 0) {
                numericEscape(8, char16_t(octValue(code)));
                continue;
            } else if ((code == '\n' || code == '\r') && i < bytes.size()) {
                const char after = bytes.at(i);
                if ((after == '\n' || after == '\r') && after != code)
                    ++i;
            }
            chopLimit = value.text.size();
        } else if (ch == '"') {
            ++i;
            quoted = true;
            inQuotes = !inQuotes;
            if (!inQuotes)
                skipSpaces();
        } else if (ch == ',' && !inQuotes) {
            if (!quoted)
                chopTrailingSpaces();
            value.isList = true;
            value.list.append(value.text);
            value.text.clear();
            quoted = false;
            ++i;
            skipSpaces();
        } else {
            qsizetype end = i + 1;
            while (end < bytes.size() && bytes.at(end) != '\\' && bytes.at(end) != '"' && bytes.at(end) != ',')
                ++end;
            value.text += utf8Text(bytes.sliced(i, end - i));
            i = end;
        }
    }
    if (!quoted)
        chopTrailingSpaces();
    if (value.isList)
        value.list.append(value.text);
    return value;
}

struct TypedText
{
    QString text;
    QByteArray written;
};

QByteArray escapedString(const QString &text)
{
    const bool plainBytes = text.startsWith(u"@ByteArray("_s) || text.startsWith(u"@Variant("_s);
    QByteArray bytes;
    QString pending; // written as UTF-8 in one piece, so that pairs of surrogates stay whole
    const auto flush = [&] {
        bytes += pending.toUtf8();
        pending.clear();
    };
    bool needsQuotes = false;
    bool escapeNextIfHex = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar qch = text.at(i);
        const char16_t ch = qch.unicode();
        // Half a surrogate pair has no UTF-8: only an escape keeps it.
        const bool loneSurrogate = qch.isSurrogate()
                                && !(qch.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
                                && !(qch.isLowSurrogate() && i > 0 && text.at(i - 1).isHighSurrogate());
        if (ch == u';' || ch == u',' || ch == u'=')
            needsQuotes = true;
        if (escapeNextIfHex && hexValue(ch) >= 0) {
            flush();
            bytes += "\\x" + QByteArray::number(ch, 16);
            continue;
        }
        escapeNextIfHex = false;
        static constexpr char Named[][2] = {{'\a', 'a'}, {'\b', 'b'}, {'\f', 'f'}, {'\n', 'n'}, {'\r', 'r'},
                                            {'\t', 't'}, {'\v', 'v'}, {'"', '"'},  {'\\', '\\'}};
        const auto named = std::find_if(std::begin(Named), std::end(Named), [ch](const char *pair) {
            return ch == char16_t(pair[0]);
        });
        if (ch == 0) {
            flush();
            bytes += "\\0";
            escapeNextIfHex = true;
        } else if (named != std::end(Named)) {
            flush();
            bytes += '\\';
            bytes += (*named)[1];
        } else if (ch <= 0x1f || (ch >= 0x7f && plainBytes) || loneSurrogate) {
            flush();
            bytes += "\\x" + QByteArray::number(ch, 16);
            escapeNextIfHex = true;
        } else {
            pending += qch;
        }
    }
    flush();
    if (needsQuotes || bytes.startsWith(' ') || bytes.endsWith(' '))
        bytes = '"' + bytes + '"';
    return bytes;
}

// What a text is written as: "@@" for a leading '@', which marks the typed
// values of other programs.
TypedText plainText(const QString &text)
{
    QString written = text;
    if (text.contains(QChar(0)))
        written = u"@String("_s + text + u')';
    else if (text.startsWith(u'@'))
        written.prepend(u'@');
    return {text, escapedString(written)};
}

// A value as stored: typed values other than text are kept as they are (and
// read as empty).
TypedText typedText(const QString &stored)
{
    if (stored.startsWith(u'@') && stored.endsWith(u')')) {
        if (stored.startsWith(u"@ByteArray("_s))
            return {QString::fromUtf8(QStringView(stored).sliced(11).chopped(1).toLatin1()), escapedString(stored)};
        if (stored.startsWith(u"@String("_s))
            return plainText(stored.sliced(8).chopped(1));
        if (stored == u"@Invalid()"_s)
            return {QString(), "@Invalid()"};
        for (const QString &kind : {u"@Variant("_s, u"@DateTime("_s, u"@Rect("_s, u"@Size("_s, u"@Point("_s}) {
            if (stored.startsWith(kind))
                return {QString(), escapedString(stored)};
        }
    }
    return plainText(stored.startsWith(u"@@"_s) ? stored.sliced(1) : stored);
}
} // namespace

IniFile::IniFile(const QByteArray &fileBytes)
{
    const QByteArray bytes = fileBytes.startsWith("\xef\xbb\xbf") ? fileBytes.sliced(3) : fileBytes;
    // Sections of one name are one section.
    std::map<QString, QByteArray> sections;
    QString section;
    qsizetype sectionStart = 0;
    qsizetype pos = 0;
    qsizetype lineStart = 0;
    qsizetype lineLen = 0;
    qsizetype equalsPos = 0;
    const auto flush = [&](qsizetype end) {
        QByteArray &data = sections[section];
        if (!data.isEmpty())
            data += '\n';
        data += bytes.sliced(sectionStart, end - sectionStart);
    };
    while (readLine(bytes, pos, lineStart, lineLen, equalsPos)) {
        if (bytes.at(lineStart) != '[')
            continue;
        flush(lineStart);
        const QByteArray line = bytes.sliced(lineStart, lineLen);
        qsizetype close = line.indexOf(']');
        if (close < 0) {
            mWellFormed = false;
            close = line.size();
        }
        const QByteArray name = line.sliced(1, close - 1).trimmed();
        if (name.compare("general", Qt::CaseInsensitive) == 0)
            section.clear();
        else if (name.compare("%general", Qt::CaseInsensitive) == 0)
            section = QString::fromLatin1(name.sliced(1)) + u'/';
        else
            section = unescapedKey(name) + u'/';
        sectionStart = pos;
    }
    flush(lineStart);
    for (const auto &[prefix, data] : sections)
        readSection(prefix, data);
}

void IniFile::readSection(const QString &prefix, const QByteArray &data)
{
    qsizetype pos = 0;
    qsizetype lineStart = 0;
    qsizetype lineLen = 0;
    qsizetype equalsPos = 0;
    while (readLine(data, pos, lineStart, lineLen, equalsPos)) {
        if (equalsPos == -1) {
            if (data.at(lineStart) != ';')
                mWellFormed = false;
            continue;
        }
        qsizetype keyEnd = equalsPos;
        while (keyEnd > lineStart && (data.at(keyEnd - 1) == ' ' || data.at(keyEnd - 1) == '\t'))
            --keyEnd;
        const QString key = prefix + unescapedKey(data.sliced(lineStart, keyEnd - lineStart));
        const ParsedValue parsed = unescapedValue(data.sliced(equalsPos + 1, lineStart + lineLen - equalsPos - 1));
        if (!parsed.isList) {
            const TypedText typed = typedText(parsed.text);
            mEntries[key] = Entry{typed.text, typed.written};
            continue;
        }
        QByteArray written;
        for (qsizetype i = 0; i < parsed.list.size(); ++i)
            written += (i == 0 ? "" : ", ") + typedText(parsed.list.at(i)).written;
        mEntries[key] = Entry{QString(), written};
    }
}

QString IniFile::value(const QString &key) const
{
    const auto entry = mEntries.find(key);
    return entry == mEntries.end() ? QString() : entry->second.text;
}

void IniFile::setValue(const QString &key, const QString &value)
{
    const TypedText typed = plainText(value);
    mEntries[key] = Entry{typed.text, typed.written};
}

void IniFile::remove(const QString &group)
{
    const QString below = group + u'/';
    for (auto entry = mEntries.begin(); entry != mEntries.end();) {
        if (entry->first == group || entry->first.startsWith(below))
            entry = mEntries.erase(entry);
        else
            ++entry;
    }
}

QByteArray IniFile::bytes() const
{
    std::map<QString, std::map<QString, QByteArray>> sections;
    for (const auto &[key, entry] : mEntries) {
        // A key that starts with a slash has no section of its own: it stays
        // in General, its slash escaped.
        const qsizetype slash = key.indexOf(u'/');
        sections[slash <= 0 ? QString() : key.left(slash)][slash <= 0 ? key : key.sliced(slash + 1)] = entry.written;
    }
    QByteArray bytes;
    for (const auto &[section, keys] : sections) {
        if (!bytes.isEmpty())
            bytes += LineEnd;
        const QByteArray name = escapedKey(section);
        if (name.isEmpty())
            bytes += "[General]";
        else if (name.compare("general", Qt::CaseInsensitive) == 0)
            bytes += "[%" + name + ']'; // in its own case, which a rewrite keeps
        else
            bytes += '[' + name + ']';
        bytes += LineEnd;
        for (const auto &[key, written] : keys)
            bytes += escapedKey(key) + '=' + written + LineEnd;
    }
    return bytes;
}

#include "files/SessionFileParser.h"

#include "files/SegmentLine.h"
#include "files/Windows1252.h"
#include "session/NearestValueIndex.h"
#include "session/NewSession.h"
#include "session/Session.h"
#include "session/TextNumbers.h"
#include "session/ValueLists.h"

#include <cstring>
#include <optional>

using namespace Qt::Literals::StringLiterals;

namespace {
constexpr int NameLimit = 40;
constexpr int DescriptionLimit = 256;

// Line ends: CR LF, a lone CR or a lone LF.
QList<QStringView> splitLines(QStringView text)
{
    QList<QStringView> lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c != u'\r' && c != u'\n')
            continue;
        lines.append(text.mid(start, i - start));
        if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < text.size())
        lines.append(text.mid(start));
    return lines;
}

// The entry paired with the value nearest to number. A number beyond every
// value (the lookup gives -1) takes the nearer end of the list.
QString snapped(const QString &number, const QStringList &values, const QStringList &entries, Prompter &prompter)
{
    int index = nearestValueIndex(number, values, prompter);
    if (index < 0) {
        const auto value = TextNumbers::tryDecimal(number);
        const auto first = TextNumbers::tryDecimal(values.first());
        index = value && first && *value > *first ? int(values.size()) - 1 : 0;
    }
    return entries.at(index);
}

QString replaced(QStringView field, QStringView old, const QString &current)
{
    return field == old ? current : field.toString();
}

// Only the letters A to Z change.
QString asciiLower(QStringView text)
{
    QString lower = text.toString();
    for (QChar &c : lower) {
        if (c >= u'A' && c <= u'Z')
            c = QChar(c.unicode() + (u'a' - u'A'));
    }
    return lower;
}

struct ReadLine
{
    SegmentLine line;
    std::optional<qint64> halfSeconds;
    bool faulty() const { return line.formatError || !halfSeconds; }
};

SessionGrid::Column readColumn(const ReadLine &read, int number, int dualSession, Prompter &prompter)
{
    const SegmentLine &line = read.line;
    const bool dual = dualSession == DualBinauralSession;
    SessionGrid::Column column = newSessionColumn(dualSession);
    column[0] = QString::number(number);
    if (read.halfSeconds)
        column[1] = snapped(QString::number(*read.halfSeconds), ValueLists::HalfSecondList, ValueLists::TimeList,
                            prompter);
    const QStringView tone = line.has(2) ? line.fields[2] : QStringView(column[2]);
    for (int r = 2; r <= line.lastFound; ++r) {
        const QStringView field = line.fields[size_t(r)];
        switch (r) {
        case 2:
            column[2] = field == u"bbP" ? u"bb"_s : replaced(field, u"F-S", u"PSu"_s);
            break;
        case 3:
        case 5:
            column[size_t(r)] = replaced(field, u"21.0", u"20.0"_s);
            break;
        case 4:
            column[4] = field == u"FSL" ? u"256"_s : replaced(field, u"136", u"144"_s);
            break;
        case 6:
            if (dual)
                column[6] = replaced(asciiLower(field), u"136", u"144"_s);
            break;
        case 7:
        case 9:
        case 10:
            column[size_t(r)] = field.toString();
            break;
        case 8:
            column[8] = snapped(field.isEmpty() ? u"50"_s : field.toString(), ValueLists::DutyList,
                                ValueLists::DutyList, prompter);
            break;
        case 11:
            column[11] = replaced(field, u"8 sec", u"seg"_s);
            break;
        case 12: // reserved
            break;
        case 13:
            column[12] = dual ? field.toString() : QString();
            break;
        case 14:
        case 15:
            column[size_t(r - 1)] = field.toString();
            break;
        }
    }
    // A chord means something only with "PCh", which always has one: also
    // in a faulty line that ends before its chord.
    if (!dual) {
        const QStringView chord = line.has(6) ? line.fields[6] : QStringView();
        column[6] = tone != u"PCh" ? QString() : chord.isEmpty() ? u"1"_s : chord.toString();
    }
    return column;
}
} // namespace

SessionFileContent parseSessionFile(QByteArrayView bytes, int dualSessionBefore, Prompter &prompter)
{
    const void *nul = bytes.isEmpty() ? nullptr : std::memchr(bytes.data(), 0, size_t(bytes.size()));
    if (nul)
        bytes = bytes.first(static_cast<const char *>(nul) - bytes.data());
    const QString text = Windows1252::decode(bytes);

    SessionFileContent content;
    content.name = u"unnamed"_s;
    QList<ReadLine> segments;
    bool firstLine = true;
    for (const QStringView line : splitLines(text)) {
        if (line.isEmpty())
            continue;
        if (line.startsWith(u';')) {
            if (firstLine)
                content.name = line.mid(1).left(NameLimit).toString();
            else
                content.descriptionLines.append(line.mid(1).left(DescriptionLimit).toString());
        } else {
            const SegmentLine split = SegmentLine::split(line);
            segments.append({split, TextNumbers::tryHalfSecondsOfTime(split.fields[1])});
        }
        firstLine = false;
    }

    QList<const ReadLine *> kept;
    for (const ReadLine &segment : std::as_const(segments)) {
        if (segment.faulty()) {
            content.formatErrors = true;
        } else if (kept.size() == SessionGrid::MaxSegments) {
            content.cut = true;
        } else {
            kept.append(&segment);
        }
    }
    if (segments.isEmpty())
        content.formatErrors = true;
    else if (kept.isEmpty())
        kept.append(&segments.first());

    content.dualSession = dualSessionBefore;
    if (!kept.isEmpty() && kept.first()->line.has(2))
        content.dualSession = ValueLists::isDualTone(kept.first()->line.fields[2].toString()) ? DualBinauralSession
                                                                                                : PulsedSession;
    content.cells.setColumnCount(int(kept.size()));
    content.cells.setColumn(0, newSessionColumn(content.dualSession));
    for (int k = 0; k < kept.size(); ++k)
        content.cells.setColumn(k, readColumn(*kept.at(k), k + 1, content.dualSession, prompter));
    return content;
}

#include "core/files/SessionFileParser.h"

#include "core/files/SegmentLine.h"
#include "core/files/Windows1252.h"
#include "core/session/NearestValueIndex.h"
#include "core/session/NewSession.h"
#include "core/session/QuarterUnitList.h"
#include "core/session/Session.h"
#include "core/session/SessionRowTable.h"
#include "core/session/TextNumbers.h"
#include "core/session/ToneKinds.h"
#include "core/session/ValueLists.h"

#include <QVarLengthArray>
#include <algorithm>
#include <optional>
#include <utility>
#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace {
// The lists snapped to, read once.
const QuarterUnitList &halfSecondValues()
{
    static const QuarterUnitList list(ValueLists::HalfSecondList);
    return list;
}

const QuarterUnitList &dutyValues()
{
    static const QuarterUnitList list(ValueLists::DutyList);
    return list;
}

// The entry paired with the value nearest to found's. A number beyond every
// value (the lookup gives -1) takes the nearer end of the list.
QString snapped(NearestValue found, double quarters, const QuarterUnitList &values, const QStringList &entries)
{
    if (found.index < 0)
        found.index = *values.at(0) < quarters ? int(values.size()) - 1 : 0;
    return entries.at(found.index);
}

QString snappedTime(qint64 halfSeconds)
{
    const double quarters = double(halfSeconds) * 4;
    return snapped(findNearestValue(quarters, halfSecondValues()), quarters, halfSecondValues(), ValueLists::TimeList);
}

QString snappedDuty(const QString &duty, Prompter &prompter)
{
    const int index = nearestValueIndex(duty, dutyValues(), prompter);
    const auto quarters = QuarterUnitList::of(duty);
    return snapped({index, true}, quarters.value_or(0), dutyValues(), ValueLists::DutyList);
}

QString replaced(QStringView field, QStringView old, const QString &current)
{
    return field == old ? current : ValueLists::sharedText(field);
}

// Only the letters A to Z change.
QString asciiLower(QStringView text)
{
    const auto isUpper = [](QChar c) { return c >= u'A' && c <= u'Z'; };
    if (std::none_of(text.begin(), text.end(), isUpper))
        return ValueLists::sharedText(text);
    QString lower = text.toString();
    for (QChar &c : lower) {
        if (isUpper(c))
            c = QChar(c.unicode() + (u'a' - u'A'));
    }
    return lower;
}

QString textAfterSemicolon(QByteArrayView line, qsizetype limit)
{
    return Windows1252::decode(line.sliced(1, std::min(line.size() - 1, limit)));
}

struct ReadLine
{
    explicit ReadLine(QStringView text)
        : line(SegmentLine::split(text))
        , halfSeconds(TextNumbers::tryHalfSecondsOfTime(line.fields[TimeRow]))
    {
    }
    SegmentLine line;
    std::optional<qint64> halfSeconds;
    bool faulty() const { return line.formatError || !halfSeconds; }
};

SessionGrid::Column readColumn(const ReadLine &read, SessionKind kind, Prompter &prompter)
{
    const SegmentLine &line = read.line;
    const bool dual = kind == DualBinauralSession;
    SessionGrid::Column column = newSessionColumn(kind);
    if (read.halfSeconds)
        column[TimeRow] = snappedTime(*read.halfSeconds);
    const QStringView tone = line.has(ToneRow) ? line.fields[ToneRow] : QStringView(column[ToneRow]);
    for (int f = ToneRow; f <= line.lastFound; ++f) {
        const int row = SessionRowTable::rowOfField(f);
        if (row < 0)
            continue;
        const QStringView field = line.fields[size_t(f)];
        switch (row) {
        case ToneRow:
            column[ToneRow] = ValueLists::sharedText(ToneKinds::unaliased(field));
            break;
        case StartFreqRow:
        case TargetFreqRow:
            column[size_t(row)] = replaced(field, u"21.0", u"20.0"_s);
            break;
        case PitchRow:
            column[PitchRow] = field == u"FSL" ? u"256"_s : replaced(field, u"136", u"144"_s);
            break;
        case ChordRow:
            if (dual)
                column[Pitch2Row] = replaced(asciiLower(field), u"136", u"144"_s);
            break;
        case PhaseRow:
        case VolumeRow:
        case IntensityRow:
        case LoopSegsRow:
        case LoopTimesRow:
            column[size_t(row)] = ValueLists::sharedText(field);
            break;
        case DutyCycleRow:
            column[DutyCycleRow] = snappedDuty(field.isEmpty() ? u"50"_s : field.toString(), prompter);
            break;
        case VIRampRow:
            column[VIRampRow] = replaced(field, u"8 sec", u"seg"_s);
            break;
        case DbbRampRow:
            column[DbbRampRow] = dual ? ValueLists::sharedText(field) : QString();
            break;
        }
    }
    // A chord means something only with a chord tone, which always has one:
    // also in a faulty line that ends before its chord.
    if (!dual) {
        const QStringView chord = line.has(ChordRow) ? line.fields[ChordRow] : QStringView();
        const ToneKindEntry *entry = ToneKinds::find(tone);
        const bool chordTone = entry && entry->sixthRow == SixthRow::Chord;
        column[ChordRow] = !chordTone ? QString() : chord.isEmpty() ? u"1"_s : ValueLists::sharedText(chord);
    }
    return column;
}
} // namespace

SessionFileParser::SessionFileParser(SessionKind kindBefore, Prompter &prompter)
    : mPrompter(prompter)
    , mKindBefore(kindBefore)
{
    mContent.name = u"unnamed"_s;
}

bool SessionFileParser::feed(QByteArrayView bytes)
{
    if (mContent.endedAtNul)
        return false;
    const char *next = bytes.data();
    const char *const end = next + bytes.size();
    while (next < end) {
        if (std::exchange(mSkipLineFeed, false) && *next == '\n') {
            ++next;
            continue;
        }
        const char *stop = next;
        while (stop < end && *stop != '\r' && *stop != '\n' && *stop != 0)
            ++stop;
        // A line keeps its first bytes only; a longer one is never sound.
        const qsizetype room = LineLengthLimit - mLine.size();
        mLineTooLong = mLineTooLong || stop - next > room;
        mLine.append(next, std::min<qsizetype>(stop - next, room));
        if (stop == end)
            break;
        if (*stop == 0) {
            mContent.endedAtNul = true;
            return false;
        }
        endLine();
        mSkipLineFeed = *stop == '\r';
        next = stop + 1;
    }
    return true;
}

void SessionFileParser::endLine()
{
    if (!mLine.isEmpty())
        takeLine(mLine);
    mLine.truncate(0);
    mLineTooLong = false;
}

// The same verdict as a split of the decoded line, without decoding it: a
// line is sound with a TAB after each of fields 0 to 14 and a time of
// integer minutes and seconds.
bool SessionFileParser::isSoundSegmentLine(QByteArrayView line) const
{
    return !mLineTooLong && std::count(line.begin(), line.end(), '\t') >= SegmentLine::LastField
        && hasReadableTime(line);
}

// A time in field 1, after the first TAB, up to the next TAB or the line's end.
bool SessionFileParser::hasReadableTime(QByteArrayView line)
{
    const qsizetype tab = line.indexOf('\t');
    if (tab < 0)
        return false;
    const qsizetype timeEnd = line.indexOf('\t', tab + 1);
    const QByteArrayView time = line.sliced(tab + 1, (timeEnd < 0 ? line.size() : timeEnd) - tab - 1);
    // Only ASCII counts in a time, and every other byte decodes to a
    // character beyond ASCII: the bytes read as Latin-1 give the same verdict.
    QVarLengthArray<char16_t, 32> text(time.size());
    std::transform(time.begin(), time.end(), text.begin(), [](char b) { return char16_t(uchar(b)); });
    return TextNumbers::tryHalfSecondsOfTime(QStringView(text.data(), text.size())).has_value();
}

void SessionFileParser::takeLine(QByteArrayView line)
{
    const bool first = std::exchange(mFirstLine, false);
    if (line.startsWith(';')) {
        mContent.readable = true;
        if (first) {
            mContent.name = textAfterSemicolon(line, NameLength);
            mContent.nameCut = line.size() - 1 > NameLength;
        } else if (mContent.descriptionLines.size() < DescriptionLineLimit) {
            mContent.descriptionLines.append(textAfterSemicolon(line, DescriptionLineLength));
            mContent.descriptionLineCut = mContent.descriptionLineCut || line.size() - 1 > DescriptionLineLength;
        } else {
            mContent.descriptionCut = true;
        }
        return;
    }
    const bool firstSegment = !std::exchange(mAnySegment, true);
    // Once both reports are due, later segment lines change nothing.
    if (mKept.size() == SessionGrid::MaxSegments && mContent.formatErrors && mContent.cut)
        return;
    mContent.readable = mContent.readable || hasReadableTime(line);
    if (!isSoundSegmentLine(line)) {
        mContent.formatErrors = true;
        if (firstSegment)
            mFirstFaulty = line.toByteArray();
    } else if (mKept.size() == SessionGrid::MaxSegments) {
        mContent.cut = true;
    } else {
        mKept.append(Windows1252::decode(line));
    }
}

SessionFileContent SessionFileParser::finish()
{
    endLine();
    if (!mAnySegment)
        mContent.formatErrors = true;
    else if (mKept.isEmpty())
        mKept.append(Windows1252::decode(mFirstFaulty));
    std::vector<ReadLine> kept(mKept.cbegin(), mKept.cend());

    mContent.kind = mKindBefore;
    if (!kept.empty() && kept.front().line.has(ToneRow))
        mContent.kind = ValueLists::isDualTone(kept.front().line.fields[ToneRow].toString()) ? DualBinauralSession
                                                                                             : PulsedSession;
    mContent.cells.setColumnCount(int(kept.size()));
    mContent.cells.setColumn(0, newSessionColumn(mContent.kind));
    for (int k = 0; k < int(kept.size()); ++k)
        mContent.cells.setColumn(k, readColumn(kept[size_t(k)], mContent.kind, mPrompter));
    return std::move(mContent);
}

SessionFileContent parseSessionFile(QByteArrayView bytes, SessionKind kindBefore, Prompter &prompter)
{
    SessionFileParser parser(kindBefore, prompter);
    parser.feed(bytes);
    return parser.finish();
}

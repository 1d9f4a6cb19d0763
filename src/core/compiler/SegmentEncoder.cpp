#include "core/compiler/SegmentEncoder.h"

#include "core/compiler/SessionImage.h"
#include "core/session/ConversionError.h"
#include "core/session/NearestValueIndex.h"
#include "core/session/Prompter.h"
#include "core/session/QuarterUnitList.h"
#include "core/session/Session.h"
#include "core/session/SessionRows.h"
#include "core/session/TextNumbers.h"
#include "core/session/ToneKinds.h"
#include "core/session/ValueLists.h"

#include <QCoreApplication>
#include <QStringBuilder>

#include <vector>

using namespace Qt::Literals::StringLiterals;
using namespace ValueLists;

namespace {
struct SegmentEncoderTexts
{
    Q_DECLARE_TR_FUNCTIONS(SegmentEncoder)
};

constexpr quint8 EndOfSessionFlag = 128;

// The numeric lists, read once: a download looks values up thousands of times.
struct NumericLists
{
    QuarterUnitList halfSeconds{HalfSecondList};
    QuarterUnitList frequencies{FreqList};
    QuarterUnitList pitches{PitchList};
    QuarterUnitList duties{DutyList};
    QuarterUnitList levels{LevelList};
    // The tone of each ToneCodeList entry, aliases resolved.
    std::vector<const ToneKindEntry *> tones = tonesOfNames();

    static std::vector<const ToneKindEntry *> tonesOfNames()
    {
        std::vector<const ToneKindEntry *> tones;
        for (const QString &name : ToneCodeList)
            tones.push_back(ToneKinds::find(ToneKinds::unaliased(name)));
        return tones;
    }
};

const NumericLists &numericLists()
{
    static const NumericLists lists;
    return lists;
}

// Whether text equals an ASCII entry of its length, letters compared
// regardless of case. Beyond ASCII a letter may fold to an ASCII one (the
// Kelvin sign to "k"): there Qt's folding decides.
bool equalsEntry(QStringView text, QStringView entry)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t a = text[i].unicode();
        if (a >= 0x80)
            return entry.compare(text, Qt::CaseInsensitive) == 0;
        const char16_t b = entry[i].unicode();
        const auto lower = [](char16_t c) { return c >= u'A' && c <= u'Z' ? char16_t(c + (u'a' - u'A')) : c; };
        if (lower(a) != lower(b))
            return false;
    }
    return true;
}

// Position of the first entry equal to text, letters compared regardless of
// case; -1 when there is none.
int indexByName(const QString &text, const QStringList &list)
{
    for (int i = 0; i < list.size(); ++i) {
        // The entries are ASCII, and nothing of another length folds to them.
        if (list.at(i).size() == text.size() && equalsEntry(text, list.at(i)))
            return i;
    }
    return -1;
}

// Encodes one column into one record. Every byte is written anew, so nothing
// of an earlier encoding survives.
class SegmentRecordWriter
{
public:
    SegmentRecordWriter(const Session &session, int column, SessionImage::Record &record, EncoderFindings &findings)
        : mCells(*session.cells.storedColumn(column))
        , mDual(session.kind == DualBinauralSession)
        , mSegment(column + 1)
        , mFindings(findings)
        , mRecord(record)
        , mLists(numericLists())
    {
    }

    void write()
    {
        // The count in quarter units, exactly as its decimal text would read.
        mRecord[0] = quint8(findNearestValue(halfSeconds() * 4.0, mLists.halfSeconds).index & 0x1f);
        mRecord[4] = quint8(nearest(StartFreqRow, cell(StartFreqRow), mLists.frequencies));
        mRecord[5] = quint8(targetFrequencyCode());
        mRecord[6] = quint8(nearest(PitchRow, cell(PitchRow), mLists.pitches) & 0x3f);
        const ToneKindEntry *tone = toneOfCell();
        // An unknown tone's -1 spills into the time bits, as it always has.
        mRecord[0] = quint8(mRecord[0] + (tone ? tone->deviceCode : -1) * 32);
        mRecord[7] = quint8(mDual ? secondPitchCode(tone) : chordCode(tone));
        writePhaseAndDuty();
        writeLevels();
        writeRamps();
        writeLoop();
    }

private:
    const QString &cell(int row) const { return mCells[size_t(row)]; }

    void tell(EncoderFinding::Kind kind, int row, const QString &text)
    {
        mFindings.found({kind, mSegment, row, text});
    }

    int nearest(int row, const QString &text, const QuarterUnitList &list)
    {
        const NearestValue found = findNearestValue(text, list);
        if (!found.converted)
            tell(EncoderFinding::FloatConvertError, row, floatConvertErrorText(text));
        return found.index;
    }

    void noMatch(int row, const char *field)
    {
        tell(EncoderFinding::NoMatch, row,
             SegmentEncoderTexts::tr("No match segment %1 %2")
                 .arg(QString::number(mSegment), SegmentEncoderTexts::tr(field)));
    }

    // Wraps as the 32-bit count does for minutes beyond reason.
    int halfSeconds()
    {
        const QString &time = cell(TimeRow);
        if (const std::optional<qint64> count = TextNumbers::tryHalfSecondsOfTime(time))
            return int(*count);
        tell(EncoderFinding::NotANumber, TimeRow, TextNumbers::timeConversionError(time));
        return 0;
    }

    int integer(int row)
    {
        if (const std::optional<int> value = TextNumbers::tryInteger(cell(row)))
            return *value;
        tell(EncoderFinding::NotANumber, row, TextNumbers::notIntegerMessage(cell(row)));
        return 0;
    }

    // Pulsed: 0 for no target, else the frequency code + 1. Dual: the
    // frequency code, an empty Freq 2 giving -1.
    int targetFrequencyCode()
    {
        const QString &text = cell(TargetFreqRow);
        const int code = text.isEmpty() ? 0 : nearest(TargetFreqRow, text, mLists.frequencies) + 1;
        return mDual ? code - 1 : code;
    }

    // nullptr for a name no tone or alias has; that counts as a pulsed tone.
    const ToneKindEntry *toneOfCell()
    {
        const int index = indexByName(cell(ToneRow), ToneCodeList);
        const ToneKindEntry *tone = index < 0 ? nullptr : mLists.tones[size_t(index)];
        if (!tone)
            noMatch(ToneRow, QT_TRANSLATE_NOOP("SegmentEncoder", "tone"));
        const SessionKind group = tone ? tone->session : PulsedSession;
        if (group != (mDual ? DualBinauralSession : PulsedSession))
            tell(EncoderFinding::ToneGroupChange, ToneRow,
                 SegmentEncoderTexts::tr("Tone group change segment %1").arg(mSegment));
        return tone;
    }

    // Only a chord tone has a chord; an empty one counts as "1", as it does
    // when stepped or read from a file. A chord the list does not hold would
    // leave 255 in byte 7 and hide the end flag of a last segment.
    int chordCode(const ToneKindEntry *tone)
    {
        if (!tone || tone->sixthRow != SixthRow::Chord)
            return 0;
        const QString &text = cell(ChordRow);
        const int code = text.isEmpty() ? 0 : indexByName(text.toLower(), ChordList);
        if (code < 0)
            noMatch(ChordRow, QT_TRANSLATE_NOOP("SegmentEncoder", "chord"));
        return code;
    }

    // A pitch, or a relative pitch "r-15" … "r15" by its place in Pitch2List.
    // Empty is only right for an out-of-group tone, where the cell means
    // nothing (files leave it out): a dual tone cannot play without it.
    int secondPitchCode(const ToneKindEntry *tone)
    {
        const QString text = cell(ChordRow).toLower();
        int code = -1;
        if (text.startsWith(u'r'))
            code = indexByName(text, Pitch2List);
        else if (!text.isEmpty())
            code = nearest(ChordRow, text, mLists.pitches);
        else if (!tone || tone->sixthRow != SixthRow::Pitch2)
            code = 0;
        if (code < 0)
            noMatch(ChordRow, QT_TRANSLATE_NOOP("SegmentEncoder", "pitch2"));
        return code;
    }

    void writePhaseAndDuty()
    {
        const int phase = indexByName(cell(PhaseRow), mDual ? DualPhaseList : PulsedPhaseList);
        if (phase < 0)
            noMatch(PhaseRow, QT_TRANSLATE_NOOP("SegmentEncoder", "phase"));
        mRecord[3] = quint8(phase & 7);
        const QString &duty = cell(DutyCycleRow);
        const int dutyCode = nearest(DutyCycleRow, duty.isEmpty() ? u"50"_s : duty, mLists.duties);
        mRecord[3] = quint8(mRecord[3] + ((dutyCode & 7) << 3));
    }

    void writeLevels()
    {
        mRecord[2] = quint8((nearest(VolumeRow, cell(VolumeRow), mLists.levels) & 7) << 4);
        mRecord[2] = quint8(mRecord[2] + (nearest(IntensityRow, cell(IntensityRow), mLists.levels) & 7));
    }

    void writeRamps()
    {
        const int viRamp = indexByName(cell(VIRampRow), VIRampList);
        if (viRamp < 0)
            noMatch(VIRampRow, QT_TRANSLATE_NOOP("SegmentEncoder", "viramp"));
        if (viRamp != 0)
            mRecord[3] = quint8(mRecord[3] + 128);
        if (!mDual)
            return;
        const int dbbRamp = indexByName(cell(DbbRampRow), DbbRampList);
        if (dbbRamp < 0)
            noMatch(DbbRampRow, QT_TRANSLATE_NOOP("SegmentEncoder", "freq ramp"));
        if (dbbRamp != 0)
            mRecord[3] = quint8(mRecord[3] + 64);
    }

    // Loop Times is only read at a loop start, so that a segment outside one
    // never fails on it.
    void writeLoop()
    {
        const int loopSegs = integer(LoopSegsRow) & 15;
        mRecord[1] = quint8(loopSegs << 4);
        if (loopSegs != 0)
            mRecord[1] = quint8(mRecord[1] + (integer(LoopTimesRow) & 15));
    }

    const SessionGrid::Column &mCells; // row 0 is not stored, and not read
    const bool mDual;
    const int mSegment;
    EncoderFindings &mFindings;
    SessionImage::Record &mRecord;
    const NumericLists &mLists;
};

// The encoder's findings as the program shows them during a download.
class PromptedFindings : public EncoderFindings
{
public:
    explicit PromptedFindings(Prompter &prompter)
        : mPrompter(prompter)
    {
    }

    bool noMatch() const { return mNoMatch; }

    void found(const EncoderFinding &finding) override
    {
        switch (finding.kind) {
        case EncoderFinding::NoMatch:
            mPrompter.setBusy(false);
            mPrompter.error(finding.text);
            mNoMatch = true;
            break;
        case EncoderFinding::ToneGroupChange:
        case EncoderFinding::FloatConvertError:
            mPrompter.error(finding.text);
            break;
        case EncoderFinding::NotANumber:
            throw ConversionError(finding.text);
        }
    }

private:
    Prompter &mPrompter;
    bool mNoMatch = false;
};
} // namespace

void encodeSegment(const Session &session, int column, SessionImage::Record &record, EncoderFindings &findings)
{
    SegmentRecordWriter(session, column, record, findings).write();
}

QString sessionLengthRefusal(int segmentCount)
{
    if (segmentCount >= 1 && segmentCount <= SessionImage::MaxSegments)
        return {};
    return SegmentEncoderTexts::tr("Session has %1 segments; a download holds 1 to %2")
        .arg(segmentCount)
        .arg(SessionImage::MaxSegments);
}

std::optional<SessionImage> encodeSession(const Session &session, Prompter &prompter, int segmentCount)
{
    Q_ASSERT(segmentCount <= session.cells.columnCount());
    const QString refusal = sessionLengthRefusal(segmentCount);
    if (!refusal.isEmpty()) {
        prompter.setBusy(false);
        prompter.error(refusal);
        return std::nullopt;
    }
    SessionImage image;
    PromptedFindings findings(prompter);
    for (int column = 0; column < segmentCount; ++column)
        encodeSegment(session, column, image.record(SessionImage::FirstSegmentRecord + column), findings);
    SessionImage::Record &last = image.record(SessionImage::FirstSegmentRecord + segmentCount - 1);
    last[7] = quint8(last[7] + EndOfSessionFlag);
    if (findings.noMatch())
        return std::nullopt;
    return image;
}

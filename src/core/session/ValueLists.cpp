#include "core/session/ValueLists.h"

#include "core/session/ToneKinds.h"

#include <array>

using namespace Qt::Literals::StringLiterals;

namespace ValueLists {
namespace {
QStringList frequencies(const QString &onePointFive)
{
    return {u"0.25"_s, u"0.50"_s, u"0.75"_s, u"1.0"_s, u"1.25"_s, onePointFive, u"1.75"_s, u"2.0"_s,
            u"2.5"_s,  u"3.0"_s,  u"3.5"_s,  u"4.0"_s, u"4.5"_s,  u"5.0"_s,      u"5.5"_s,  u"6.0"_s,
            u"6.5"_s,  u"7.0"_s,  u"7.5"_s,  u"7.83"_s, u"8.0"_s, u"8.5"_s,      u"9.0"_s,  u"9.5"_s,
            u"10.0"_s, u"11.0"_s, u"12.0"_s, u"13.0"_s, u"14.0"_s, u"15.0"_s,    u"16.0"_s, u"17.0"_s,
            u"18.0"_s, u"19.0"_s, u"20.0"_s, u"22.0"_s, u"24.0"_s, u"26.0"_s,    u"28.0"_s, u"30.0"_s,
            u"32.0"_s, u"34.0"_s, u"36.0"_s, u"38.0"_s, u"40.0"_s, u"42.0"_s};
}

QStringList pitches(const QString &eightyFive)
{
    return {u"16"_s,  u"18"_s,  u"20"_s,  u"22"_s,  u"24"_s,  u"27"_s,  u"30"_s,  u"32"_s,  u"36"_s,
            u"40"_s,  u"43"_s,  u"48"_s,  u"54"_s,  u"60"_s,  u"64"_s,  u"72"_s,  u"80"_s,  eightyFive,
            u"96"_s,  u"107"_s, u"120"_s, u"128"_s, u"144"_s, u"160"_s, u"171"_s, u"192"_s, u"213"_s,
            u"240"_s, u"256"_s, u"288"_s, u"320"_s, u"341"_s, u"384"_s, u"427"_s, u"480"_s, u"512"_s,
            u"576"_s, u"640"_s, u"683"_s, u"768"_s, u"853"_s, u"960"_s};
}

QStringList relativePitches()
{
    QStringList list;
    for (int offset = -15; offset <= 15; ++offset) {
        if (offset != 0)
            list.append(u"r"_s + QString::number(offset));
    }
    return list;
}
} // namespace

const QStringList TimeList = {
    u"0:00.5"_s, u"0:01.0"_s, u"0:02.0"_s, u"0:03.0"_s, u"0:04.0"_s, u"0:05.0"_s, u"0:07.0"_s, u"0:10.0"_s,
    u"0:15.0"_s, u"0:20.0"_s, u"0:30.0"_s, u"0:40.0"_s, u"0:50.0"_s, u"1:00.0"_s, u"1:15.0"_s, u"1:30.0"_s,
    u"1:45.0"_s, u"2:00.0"_s, u"2:30.0"_s, u"3:00.0"_s, u"3:30.0"_s, u"4:00.0"_s, u"4:30.0"_s, u"5:00.0"_s,
    u"5:30.0"_s, u"6:00.0"_s, u"6:30.0"_s, u"7:00.0"_s, u"7:30.0"_s, u"8:00.0"_s, u"9:00.0"_s, u"10:00.0"_s};

const QStringList HalfSecondList = {
    u"1"_s,   u"2"_s,   u"4"_s,   u"6"_s,   u"8"_s,   u"10"_s,  u"14"_s,  u"20"_s,
    u"30"_s,  u"40"_s,  u"60"_s,  u"80"_s,  u"100"_s, u"120"_s, u"150"_s, u"180"_s,
    u"210"_s, u"240"_s, u"300"_s, u"360"_s, u"420"_s, u"480"_s, u"540"_s, u"600"_s,
    u"660"_s, u"720"_s, u"780"_s, u"840"_s, u"900"_s, u"960"_s, u"1080"_s, u"1200"_s};

const QStringList FreqList = frequencies(u"1.5"_s);
const QStringList TargetFreqList = QStringList{QString()} + frequencies(u"1.50"_s);
const QStringList PitchList = pitches(u"85"_s);
const QStringList Pitch2List = pitches(u"86"_s) + relativePitches();
const QStringList ChordList = {u"1"_s, u"2"_s, u"3"_s, u"4"_s, u"5"_s, u"6"_s, u"7"_s, u"8"_s, u"9"_s};
const QStringList PulsedToneList = ToneKinds::names(PulsedSession);
const QStringList DualToneList = ToneKinds::names(DualBinauralSession);
const QStringList ToneCodeList = ToneKinds::namesAndAliases();
const QStringList PulsedPhaseList = {u"IN"_s, u"RL"_s, u"FB"_s, u"CR"_s, u"SA"_s, u"LA"_s};
const QStringList DualPhaseList = {u"IRH"_s, u"ORH"_s, u"ILH"_s, u"OLH"_s,
                                   u"IRL"_s, u"ORL"_s, u"ILL"_s, u"OLL"_s};
const QStringList DutyList = {u"12"_s, u"25"_s, u"37"_s, u"50"_s, u"62"_s, u"75"_s, u"87"_s};
const QStringList LevelList = {u"0"_s, u"14"_s, u"28"_s, u"42"_s, u"56"_s, u"70"_s, u"85"_s, u"100"_s};
const QStringList VIRampList = {u"none"_s, u"seg"_s};
const QStringList DbbRampList = {u"jump"_s, u"ramp"_s};

bool isDualTone(const QString &tone)
{
    const ToneKindEntry *entry = ToneKinds::find(tone);
    return entry && entry->session == DualBinauralSession;
}

namespace {
// Every entry of the lists, and the loop counts, each text once, in an
// open-addressed table: a lookup is a hash of a few characters and a compare
// or two.
class SharedTexts
{
public:
    SharedTexts()
    {
        mSlots.fill(-1);
        QStringList loopCounts;
        for (int count = 0; count <= 15; ++count)
            loopCounts.append(QString::number(count));
        for (const QStringList &list :
             {TimeList, FreqList, TargetFreqList, PitchList, Pitch2List, ChordList, ToneCodeList, PulsedPhaseList,
              DualPhaseList, DutyList, LevelList, VIRampList, DbbRampList, loopCounts}) {
            for (const QString &entry : list) {
                // An empty text stays what the caller had, null or not.
                if (entry.isEmpty() || find(entry))
                    continue;
                size_t slot = hashOf(entry);
                while (mSlots[slot] >= 0)
                    slot = (slot + 1) & Mask;
                mSlots[slot] = qint16(mEntries.size());
                mEntries.append(entry);
            }
        }
        Q_ASSERT(mEntries.size() < qsizetype(SlotCount / 2));
    }

    const QString *find(QStringView text) const
    {
        for (size_t slot = hashOf(text);; slot = (slot + 1) & Mask) {
            const qint16 index = mSlots[slot];
            if (index < 0)
                return nullptr;
            const QString &entry = mEntries.at(index);
            if (entry.size() == text.size() && QStringView(entry) == text)
                return &entry;
        }
    }

private:
    static constexpr size_t SlotCount = 1024;
    static constexpr size_t Mask = SlotCount - 1;

    static size_t hashOf(QStringView text)
    {
        size_t hash = size_t(text.size());
        for (const QChar c : text)
            hash = hash * 31 + c.unicode();
        return (hash ^ (hash >> 10)) & Mask;
    }

    std::array<qint16, SlotCount> mSlots;
    QStringList mEntries;
};
} // namespace

QString sharedText(QStringView text)
{
    // Made once and never freed: the end of the process frees it.
    static const SharedTexts &texts = *new SharedTexts;
    const QString *entry = texts.find(text);
    return entry ? *entry : text.toString();
}
} // namespace ValueLists

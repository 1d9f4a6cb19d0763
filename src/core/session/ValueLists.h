#pragma once

#include <QStringList>

// The fixed value lists a cell is stepped through. An entry's index matters:
// the encoder turns indexes into device codes, and HalfSecondList pairs
// entry for entry with TimeList.
namespace ValueLists {
extern const QStringList TimeList;
extern const QStringList HalfSecondList;
extern const QStringList FreqList;
extern const QStringList TargetFreqList;
extern const QStringList PitchList;
extern const QStringList Pitch2List;
extern const QStringList ChordList;
extern const QStringList PulsedToneList;
extern const QStringList DualToneList;
extern const QStringList ToneCodeList;
extern const QStringList PulsedPhaseList;
extern const QStringList DualPhaseList;
extern const QStringList DutyList;
extern const QStringList LevelList;
extern const QStringList VIRampList;
extern const QStringList DbbRampList;

// True for "bbS", "dbb" and "dSb", the tones of a Dual Binaural Beats session (exact case).
bool isDualTone(const QString &tone);

// text as a QString, sharing the stored entry where a list or a loop count
// ("0" to "15") holds the same text: a file of a thousand segments then
// allocates (and frees) next to nothing for its cells.
QString sharedText(QStringView text);
} // namespace ValueLists

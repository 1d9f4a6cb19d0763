#include "core/session/SegmentSound.h"

#include "core/session/SessionGrid.h"
#include "core/session/TextNumbers.h"
#include "core/session/ValueLists.h"

#include <algorithm>
#include <cmath>

using namespace Qt::Literals::StringLiterals;

namespace {
const std::array<ChordShape, 9> Chords = {{
    {3, {1.0, 5.0 / 4, 3.0 / 2}},             // 1 major
    {3, {1.0, 6.0 / 5, 3.0 / 2}},             // 2 minor
    {3, {1.0, 4.0 / 3, 3.0 / 2}},             // 3 suspended fourth
    {3, {1.0, 3.0 / 2, 2.0}},                 // 4 open fifth and octave
    {4, {1.0, 5.0 / 4, 3.0 / 2, 15.0 / 8}},   // 5 major seventh
    {4, {1.0, 6.0 / 5, 3.0 / 2, 9.0 / 5}},    // 6 minor seventh
    {4, {1.0, 5.0 / 4, 3.0 / 2, 7.0 / 4}},    // 7 dominant seventh
    {4, {1.0, 5.0 / 4, 3.0 / 2, 5.0 / 3}},    // 8 major sixth
    {3, {1.0, 3.0 / 2, 9.0 / 4}},             // 9 fifth and ninth
}};

ToneKind kindOf(const QString &tone)
{
    const ToneKindEntry *entry = ToneKinds::find(tone);
    return entry ? entry->sound : ToneKind::Silent;
}

double number(const QString &cell, double otherwise)
{
    return TextNumbers::tryDecimal(cell).value_or(otherwise);
}

double nonNegative(double value)
{
    return value > 0 ? value : 0;
}
} // namespace

const ChordShape &chordShape(int number)
{
    return Chords[size_t(number >= 1 && number <= 9 ? number - 1 : 0)];
}

double secondPitch(const QString &cell, double pitch1)
{
    if (!cell.startsWith(u'r'))
        return nonNegative(number(cell, 0));
    const auto steps = TextNumbers::tryInteger(QStringView(cell).mid(1));
    const QStringList &pitches = ValueLists::PitchList;
    int nearest = 0;
    for (int i = 1; i < pitches.size(); ++i) {
        if (std::abs(pitches.at(i).toDouble() - pitch1) < std::abs(pitches.at(nearest).toDouble() - pitch1))
            nearest = i;
    }
    const int index = std::clamp(qint64(nearest) + steps.value_or(0), qint64(0), qint64(pitches.size() - 1));
    return pitches.at(index).toDouble();
}

SegmentSound readSegmentSound(const SessionGrid &cells, int column)
{
    SegmentSound sound;
    sound.kind = kindOf(cells.cell(column, ToneRow));
    sound.pitch = nonNegative(number(cells.cell(column, PitchRow), 0));
    const QString &sixth = cells.cell(column, ChordRow);
    if (sound.kind == ToneKind::Dual)
        sound.pitch2 = secondPitch(sixth, sound.pitch);
    // An empty chord counts as chord 1.
    sound.chord = std::clamp(TextNumbers::tryInteger(sixth).value_or(1), 1, 9);
    sound.duty = std::clamp(number(cells.cell(column, DutyCycleRow), 50) / 100.0, 0.01, 0.99);
    sound.level = std::clamp(number(cells.cell(column, VolumeRow), 0) / 100.0, 0.0, 1.0);
    sound.levelRamp = cells.cell(column, VIRampRow) == u"seg"_s;
    return sound;
}

#include "core/exchange/ScheduleOfSession.h"

#include "core/graph/GraphFrequencies.h"
#include "core/session/PlayedWalk.h"
#include "core/session/SegmentSound.h"
#include "core/session/Session.h"
#include "core/session/TextNumbers.h"
#include "core/session/ToneKinds.h"
#include "core/session/ValueLists.h"

#include <QCoreApplication>

using namespace Qt::Literals::StringLiterals;

namespace {
// One context for lupdate and the translator alike.
struct ScheduleExport
{
    Q_DECLARE_TR_FUNCTIONS(ScheduleExport)
};

// A binaural voice as the peers play it: the carrier midway between the
// ears and a beat of left minus right. The preview plays the pitch left and
// pitch + beat right. A voice without a pitch is left out: the peers refuse
// a carrier of 0, and the preview's is inaudible.
void addBinaural(ToneSet &tones, double pitch, double beat, double amplitude)
{
    if (pitch > 0)
        tones.append({ScheduleTone::Binaural, pitch + beat / 2, -beat, amplitude});
}

ToneSet tonesOf(const SegmentSound &sound, double beat, double beat2, double level)
{
    const double amplitude = level * 100;
    ToneSet tones;
    if (sound.pitch <= 0 && sound.kind != ToneKind::Dual)
        return tones;
    switch (sound.kind) {
    case ToneKind::Binaural:
        addBinaural(tones, sound.pitch, beat, amplitude);
        break;
    case ToneKind::Dual:
        addBinaural(tones, sound.pitch, beat, amplitude / 2);
        addBinaural(tones, sound.pitch2, beat2, amplitude / 2);
        break;
    case ToneKind::Chord: {
        const ChordShape &shape = chordShape(sound.chord);
        for (int i = 0; i < shape.tones; ++i)
            tones.append({ScheduleTone::Isochronic, sound.pitch * shape.ratios[size_t(i)], beat, amplitude / shape.tones});
        break;
    }
    case ToneKind::Isochronic:
    case ToneKind::Smooth:
        tones.append({ScheduleTone::Isochronic, sound.pitch, beat, amplitude});
        break;
    case ToneKind::Silent:
        break;
    }
    return tones;
}

// The lists whose entries the import snaps back to: a value off its list
// comes back as another.
const QStringList *listOf(SessionKind kind, int row)
{
    const bool dual = kind == DualBinauralSession;
    switch (row) {
    case StartFreqRow:
        return &ValueLists::FreqList;
    case PitchRow:
        return &ValueLists::PitchList;
    case TargetFreqRow:
        return dual ? &ValueLists::FreqList : &ValueLists::TargetFreqList;
    case ChordRow:
        return dual ? &ValueLists::Pitch2List : nullptr;
    case VolumeRow:
        return &ValueLists::LevelList;
    default:
        return nullptr;
    }
}

void noteLosses(const Session &session, int column, ScheduleFormat format, QList<ExchangeNote> &losses)
{
    const SessionGrid &cells = session.cells;
    auto lose = [&](int row, const QString &message) { losses.append({column + 1, row, 0, message}); };
    auto cell = [&](int row) -> const QString & { return cells.cell(column, row); };

    if (format == ScheduleFormat::Sbg) {
        const std::optional<qint64> halfSeconds = TextNumbers::tryHalfSecondsOfTime(cell(TimeRow));
        if (halfSeconds && *halfSeconds % 2 != 0)
            lose(TimeRow,
                 ScheduleExport::tr("time %1 written as a whole second longer: the format counts whole seconds")
                     .arg(cell(TimeRow)));
    }
    const QString &tone = cell(ToneRow);
    const SegmentSound sound = readSegmentSound(cells, column);
    const ToneKind kind = sound.kind;
    if (kind == ToneKind::Silent)
        lose(ToneRow, ScheduleExport::tr("tone %1 has no sound the format can play").arg(tone));
    else if (ToneKinds::find(tone)->exportedApproximately)
        lose(ToneRow, kind == ToneKind::Smooth
                          ? ScheduleExport::tr("smooth pulses (PSu) written as isochronic pulses")
                          : ScheduleExport::tr("tone %1 written as two binaural tones, which read back as dbb").arg(tone));
    const bool noPitch = kind != ToneKind::Silent && sound.pitch <= 0;
    const bool noPitch2 = kind == ToneKind::Dual && sound.pitch2 <= 0;
    if (noPitch)
        lose(PitchRow, ScheduleExport::tr("no pitch: the voice is left out"));
    if (noPitch2)
        lose(Pitch2Row, ScheduleExport::tr("no second pitch: its voice is left out"));
    for (int row : {StartFreqRow, PitchRow, TargetFreqRow, ChordRow, VolumeRow}) {
        const QStringList *list = listOf(session.kind, row);
        const bool reported = (row == PitchRow && noPitch) || (row == Pitch2Row && noPitch2);
        if (list && !list->contains(cell(row)) && !(row == ChordRow && cell(row).isEmpty()) && !reported)
            lose(row,
                 ScheduleExport::tr("%1 is not an entry of the row's list and reads back as the nearest entry")
                     .arg(cell(row)));
    }
    const QStringList &phases = session.kind == DualBinauralSession ? ValueLists::DualPhaseList : ValueLists::PulsedPhaseList;
    if (cell(PhaseRow) != phases.first())
        lose(PhaseRow, ScheduleExport::tr("light phase %1").arg(cell(PhaseRow)));
    if (cell(DutyCycleRow) != u"50"_s)
        lose(DutyCycleRow, ScheduleExport::tr("duty cycle %1").arg(cell(DutyCycleRow)));
    if (cell(IntensityRow) != u"0"_s)
        lose(IntensityRow, ScheduleExport::tr("light intensity %1").arg(cell(IntensityRow)));
}
} // namespace

ExportedSchedule scheduleOfSession(const Session &session, ScheduleFormat format)
{
    ExportedSchedule exported;
    const SessionGrid &cells = session.cells;
    exported.schedule.description = QStringList{session.name} + session.descriptionLines;
    for (int column = 0; column < cells.columnCount(); ++column)
        noteLosses(session, column, format, exported.losses);

    PlayedWalk walk(cells, LoopRule::LatestStart);
    FrequencyWalk beats(Freq1Row);
    FrequencyWalk beats2(Freq2Row);
    double previousLevel = 0;
    PlayedSegment segment;
    while (walk.next(segment)) {
        const SegmentSound sound = readSegmentSound(cells, segment.column);
        const FrequencyRun beat = beats.nextHertz(cells, segment.column);
        const FrequencyRun beat2 = beats2.nextHertz(cells, segment.column);
        const double levelFrom = sound.levelRamp ? previousLevel : sound.level;
        previousLevel = sound.level;
        const int halfSeconds = format == ScheduleFormat::Sbg ? segment.halfSeconds + segment.halfSeconds % 2
                                                              : segment.halfSeconds;
        exported.schedule.periods.append({halfSeconds / 2.0, tonesOf(sound, beat.start, beat2.start, levelFrom),
                                          tonesOf(sound, beat.end, beat2.end, sound.level), 0});
    }
    return exported;
}

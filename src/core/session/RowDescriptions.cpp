#include "core/session/RowDescriptions.h"

#include "core/session/Session.h"
#include "core/session/ValueLists.h"

#include <QCoreApplication>

using namespace Qt::Literals::StringLiterals;
using namespace ValueLists;

namespace {
struct RowDescriptionsTexts
{
    Q_DECLARE_TR_FUNCTIONS(RowDescriptions)
};

QString range(const QStringList &list)
{
    const QString &first = list.first().isEmpty() ? list.at(1) : list.first();
    return RowDescriptionsTexts::tr("%1 to %2").arg(first, list.last());
}

QString choices(const QStringList &list)
{
    return list.join(u", "_s);
}

QString stepped()
{
    return RowDescriptionsTexts::tr("Up(+) and Down(-) step it through its values.");
}

QString loopDialog()
{
    return RowDescriptionsTexts::tr("Up(+) or Down(-) opens a box to enter it.");
}
} // namespace

QString rowDescription(SessionKind kind, int row)
{
    const bool dual = kind == DualBinauralSession;
    QString meaning;
    switch (row) {
    case TimeRow:
        meaning = RowDescriptionsTexts::tr("How long the segment plays, in minutes:seconds.tenths (m:ss.t). %1.").arg(range(TimeList));
        break;
    case ToneRow:
        meaning = RowDescriptionsTexts::tr("The kind of tone the segment plays: %1.")
                      .arg(choices(dual ? DualToneList : PulsedToneList));
        break;
    case StartFreqRow:
        meaning = dual ? RowDescriptionsTexts::tr("Beat frequency of the first binaural beat, in Hz. %1 Hz.").arg(range(FreqList))
                       : RowDescriptionsTexts::tr("Beat frequency at the start of the segment, in Hz. %1 Hz.").arg(range(FreqList));
        break;
    case PitchRow:
        meaning = (dual ? RowDescriptionsTexts::tr("Pitch of the first tone, in Hz. %1 Hz.")
                        : RowDescriptionsTexts::tr("Pitch of the tone, in Hz. %1 Hz."))
                      .arg(range(PitchList));
        break;
    case TargetFreqRow:
        meaning = dual ? RowDescriptionsTexts::tr("Beat frequency of the second binaural beat, in Hz. %1 Hz.").arg(range(FreqList))
                       : RowDescriptionsTexts::tr("Beat frequency the segment ramps to, in Hz; empty for a steady beat. %1 Hz.").arg(
                             range(TargetFreqList));
        break;
    case ChordRow:
        meaning = dual ? RowDescriptionsTexts::tr("Pitch of the second tone, in Hz (16 to 960), or r-15 to r15 relative to the first.")
                       : RowDescriptionsTexts::tr("Chord number of a PCh tone, %1; empty for other tones.").arg(range(ChordList));
        break;
    case PhaseRow:
        meaning = RowDescriptionsTexts::tr("How the lights alternate: %1.").arg(choices(dual ? DualPhaseList : PulsedPhaseList));
        break;
    case DutyCycleRow:
        meaning = RowDescriptionsTexts::tr("Share of each flash the lights are on, in percent. %1 %.").arg(range(DutyList));
        break;
    case VolumeRow:
        meaning = RowDescriptionsTexts::tr("Sound volume, in percent. %1 %.").arg(range(LevelList));
        break;
    case IntensityRow:
        meaning = RowDescriptionsTexts::tr("Light intensity, in percent. %1 %.").arg(range(LevelList));
        break;
    case VIRampRow:
        meaning = RowDescriptionsTexts::tr("Volume and intensity ramp: none, or seg to ramp over the segment.");
        break;
    case DbbRampRow:
        if (!dual)
            return RowDescriptionsTexts::tr("Used by Dual Binaural Beats sessions only; stays empty here.");
        meaning = RowDescriptionsTexts::tr("How the beat reaches this segment's frequency: jump, or ramp from the segment before "
                  "(not for segment 1).");
        break;
    case LoopSegsRow:
        return RowDescriptionsTexts::tr("Number of segments in a loop that starts here (0 to 15); 0 = no loop. ") + loopDialog();
    case LoopTimesRow:
        return RowDescriptionsTexts::tr("How many times the loop plays (2 to 15), entered at its first segment. ") + loopDialog();
    default:
        return QString();
    }
    return meaning + u' ' + stepped();
}

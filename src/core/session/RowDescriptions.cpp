#include "core/session/RowDescriptions.h"

#include "core/session/Session.h"
#include "core/session/ValueLists.h"

#include <QCoreApplication>

using namespace Qt::Literals::StringLiterals;
using namespace ValueLists;

namespace {
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(RowDescriptions)
};

QString range(const QStringList &list)
{
    const QString &first = list.first().isEmpty() ? list.at(1) : list.first();
    return Texts::tr("%1 to %2").arg(first, list.last());
}

QString choices(const QStringList &list)
{
    return list.join(u", "_s);
}

QString stepped()
{
    return Texts::tr("Up(+) and Down(-) step it through its values.");
}

QString loopDialog()
{
    return Texts::tr("Up(+) or Down(-) opens a box to enter it.");
}
} // namespace

QString rowDescription(SessionKind kind, int row)
{
    const bool dual = kind == DualBinauralSession;
    QString meaning;
    switch (row) {
    case TimeRow:
        meaning = Texts::tr("How long the segment plays, in minutes:seconds.tenths (m:ss.t). %1.").arg(range(TimeList));
        break;
    case ToneRow:
        meaning = Texts::tr("The kind of tone the segment plays: %1.")
                      .arg(choices(dual ? DualToneList : PulsedToneList));
        break;
    case StartFreqRow:
        meaning = dual ? Texts::tr("Beat frequency of the first binaural beat, in Hz. %1 Hz.").arg(range(FreqList))
                       : Texts::tr("Beat frequency at the start of the segment, in Hz. %1 Hz.").arg(range(FreqList));
        break;
    case PitchRow:
        meaning = (dual ? Texts::tr("Pitch of the first tone, in Hz. %1 Hz.")
                        : Texts::tr("Pitch of the tone, in Hz. %1 Hz."))
                      .arg(range(PitchList));
        break;
    case TargetFreqRow:
        meaning = dual ? Texts::tr("Beat frequency of the second binaural beat, in Hz. %1 Hz.").arg(range(FreqList))
                       : Texts::tr("Beat frequency the segment ramps to, in Hz; empty for a steady beat. %1 Hz.").arg(
                             range(TargetFreqList));
        break;
    case ChordRow:
        meaning = dual ? Texts::tr("Pitch of the second tone, in Hz (16 to 960), or r-15 to r15 relative to the first.")
                       : Texts::tr("Chord number of a PCh tone, %1; empty for other tones.").arg(range(ChordList));
        break;
    case PhaseRow:
        meaning = Texts::tr("How the lights alternate: %1.").arg(choices(dual ? DualPhaseList : PulsedPhaseList));
        break;
    case DutyCycleRow:
        meaning = Texts::tr("Share of each flash the lights are on, in percent. %1 %.").arg(range(DutyList));
        break;
    case VolumeRow:
        meaning = Texts::tr("Sound volume, in percent. %1 %.").arg(range(LevelList));
        break;
    case IntensityRow:
        meaning = Texts::tr("Light intensity, in percent. %1 %.").arg(range(LevelList));
        break;
    case VIRampRow:
        meaning = Texts::tr("Volume and intensity ramp: none, or seg to ramp over the segment.");
        break;
    case DbbRampRow:
        if (!dual)
            return Texts::tr("Used by Dual Binaural Beats sessions only; stays empty here.");
        meaning = Texts::tr("How the beat reaches this segment's frequency: jump, or ramp from the segment before "
                  "(not for segment 1).");
        break;
    case LoopSegsRow:
        return Texts::tr("Number of segments in a loop that starts here (0 to 15); 0 = no loop. ") + loopDialog();
    case LoopTimesRow:
        return Texts::tr("How many times the loop plays (2 to 15), entered at its first segment. ") + loopDialog();
    default:
        return QString();
    }
    return meaning + u' ' + stepped();
}

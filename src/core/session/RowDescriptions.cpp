#include "core/session/RowDescriptions.h"

#include "core/session/Session.h"
#include "core/session/ValueLists.h"

using namespace Qt::Literals::StringLiterals;
using namespace ValueLists;

namespace {
QString range(const QStringList &list)
{
    const QString &first = list.first().isEmpty() ? list.at(1) : list.first();
    return u"%1 to %2"_s.arg(first, list.last());
}

QString choices(const QStringList &list)
{
    return list.join(u", "_s);
}

const QString Stepped = u"Up(+) and Down(-) step it through its values."_s;
const QString LoopDialog = u"Up(+) or Down(-) opens a box to enter it."_s;
} // namespace

QString rowDescription(SessionKind kind, int row)
{
    const bool dual = kind == DualBinauralSession;
    QString meaning;
    switch (row) {
    case TimeRow:
        meaning = u"How long the segment plays, in minutes:seconds.tenths (m:ss.t). %1."_s.arg(range(TimeList));
        break;
    case ToneRow:
        meaning = u"The kind of tone the segment plays: %1."_s.arg(choices(dual ? DualToneList : PulsedToneList));
        break;
    case StartFreqRow:
        meaning = dual ? u"Beat frequency of the first binaural beat, in Hz. %1 Hz."_s.arg(range(FreqList))
                       : u"Beat frequency at the start of the segment, in Hz. %1 Hz."_s.arg(range(FreqList));
        break;
    case PitchRow:
        meaning = u"Pitch of the %1tone, in Hz. %2 Hz."_s.arg(dual ? u"first "_s : QString(), range(PitchList));
        break;
    case TargetFreqRow:
        meaning = dual ? u"Beat frequency of the second binaural beat, in Hz. %1 Hz."_s.arg(range(FreqList))
                       : u"Beat frequency the segment ramps to, in Hz; empty for a steady beat. %1 Hz."_s.arg(
                             range(TargetFreqList));
        break;
    case ChordRow:
        meaning = dual ? u"Pitch of the second tone, in Hz (16 to 960), or r-15 to r15 relative to the first."_s
                       : u"Chord number of a PCh tone, %1; empty for other tones."_s.arg(range(ChordList));
        break;
    case PhaseRow:
        meaning = u"How the lights alternate: %1."_s.arg(choices(dual ? DualPhaseList : PulsedPhaseList));
        break;
    case DutyCycleRow:
        meaning = u"Share of each flash the lights are on, in percent. %1 %."_s.arg(range(DutyList));
        break;
    case VolumeRow:
        meaning = u"Sound volume, in percent. %1 %."_s.arg(range(LevelList));
        break;
    case IntensityRow:
        meaning = u"Light intensity, in percent. %1 %."_s.arg(range(LevelList));
        break;
    case VIRampRow:
        meaning = u"Volume and intensity ramp: none, or seg to ramp over the segment."_s;
        break;
    case DbbRampRow:
        if (!dual)
            return u"Used by Dual Binaural Beats sessions only; stays empty here."_s;
        meaning = u"How the beat reaches this segment's frequency: jump, or ramp from the segment before "
                  u"(not for segment 1)."_s;
        break;
    case LoopSegsRow:
        return u"Number of segments in a loop that starts here (0 to 15); 0 = no loop. "_s + LoopDialog;
    case LoopTimesRow:
        return u"How many times the loop plays (2 to 15), entered at its first segment. "_s + LoopDialog;
    default:
        return QString();
    }
    return meaning + u' ' + Stepped;
}
